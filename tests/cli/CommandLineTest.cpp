#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>

#include <sys/wait.h>

#include "TestFiles.h"
#include "cli/RunXitool.h"
#include "cli/TerminalSurface.h"
#include "doublepack/TestArchive.h"
#include "platform/Error.h"
#include "platform/FileStream.h"
#include "platform/HostPath.h"

namespace xi {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

class CommandLineTest : public testing::Test {
 protected:
  CommandLineTest() { fs::current_path(dir.Path()); }

  test::XitoolOutcome Run(const std::vector<std::string>& arguments) { return test::RunXitool(arguments, handlers); }

  // A handler that records its job and writes one file of `size` bytes into
  // the target, counting it as the extraction handlers do.
  JobHandler Writer(std::uint64_t size) {
    return [this, size](RunContext& context, StatusSurface& surface, const std::string& path) {
      jobs.push_back(path);
      const std::string output = JoinPath(context.TargetDir, NamePart(path) + ".out");
      auto stream = WriteStream::Create(output);
      stream.Write(Bytes(size, 0x41));
      stream.Close();
      context.ResultLog.Add(output);
      RecordWrittenFile(context, surface, size);
    };
  }

  test::CurrentDirectoryGuard cwdGuard;
  TempDir dir;
  HandlerTable handlers;
  Lines jobs;
};

TEST_F(CommandLineTest, UsageErrorsExitWithStatus2) {
  const std::vector<Lines> cases = {
      {},
      {"run", "--target", "out"},
      {"run", "a.nam"},
      {"run", "--kind", "bmp", "--target", "out", "a.bmp"},
      {"run", "--target", "out", "a.nam", "b.fnt"},  // the extensions disagree
      {"run", "--target", "out", "a.rsr"},
      {"list", "a.nam"},
  };
  for (const auto& arguments : cases) {
    const test::XitoolOutcome outcome = Run(arguments);
    EXPECT_EQ(outcome.status, kExitUsage) << testing::PrintToString(arguments);
    EXPECT_FALSE(outcome.err.empty());
  }
  EXPECT_EQ(test::ListDirectory(dir.Path()), "");
}

TEST_F(CommandLineTest, HelpListsTheRunCommand) {
  const test::XitoolOutcome outcome = Run({"--help"});
  EXPECT_EQ(outcome.status, kExitCompleted);
  EXPECT_NE(outcome.out.find("run"), std::string::npos);
}

TEST_F(CommandLineTest, ARunQueuesAbsolutePathsIntoANewTargetAndSavesTheLog) {
  handlers = {{kDoublePackJob, Writer(10)}};
  const test::XitoolOutcome outcome = Run({"run", "--target", "out/new/deep", "a.nam", "sub/../b.NAM"});
  EXPECT_EQ(outcome.status, kExitCompleted) << outcome.err;
  EXPECT_EQ(jobs, (Lines{dir / "a.nam", dir / "b.NAM"}));
  EXPECT_EQ(outcome.out, "Total 20 bytes extracted.\n");
  EXPECT_EQ(outcome.err, "Operation complete!\n");
  const std::string target = dir / "out/new/deep";
  EXPECT_EQ(ReadFile(target + "/result.log"), "#Format: NAM\r\n#Source: " + (dir / "a.nam") + "\r\n" + target +
                                                  "/a.nam.out\r\n#Format: NAM\r\n#Source: " + (dir / "b.NAM") + "\r\n" +
                                                  target + "/b.NAM.out\r\n");
  EXPECT_EQ(fs::current_path(), fs::path(target));
}

TEST_F(CommandLineTest, AProjectListReplacesTheJobsWithItsLogs) {
  handlers = {{kProjectListJob, Writer(0)}};
  WriteFile(dir / "project.lst", "/x/result.log\r\n/y/result.log\r\n");
  const test::XitoolOutcome outcome = Run({"run", "--target", "out", "project.lst", "ignored.lst"});
  EXPECT_EQ(outcome.status, kExitCompleted) << outcome.err;
  EXPECT_EQ(jobs, (Lines{"/x/result.log", "/y/result.log"}));
  EXPECT_FALSE(fs::exists(dir / "out/result.log"));  // a replay run saves no log
  EXPECT_EQ(outcome.out, "");
}

TEST_F(CommandLineTest, ErrorsExitWithStatus1AndTheErrorBoxText) {
  const test::XitoolOutcome missingList = Run({"run", "--kind", "lst", "--target", "out", "gone.lst"});
  EXPECT_EQ(missingList.status, kExitError);
  EXPECT_EQ(missingList.err, "Cannot open file " + (dir / "gone.lst") + ".\n");

  // The target cannot be made (a file is in the way): the first output fails.
  handlers = {{kFontJob, Writer(1)}};
  WriteFile(dir / "blocker", "x");
  const test::XitoolOutcome blocked = Run({"run", "--target", "blocker/sub", "a.fnt"});
  EXPECT_EQ(blocked.status, kExitError);
  EXPECT_EQ(blocked.err, "Cannot create file " + (dir / "blocker/sub/a.fnt.out") + ".\n");
  EXPECT_EQ(ReadFile(dir / "blocker"), "x");

  handlers = {{kLogJob, [](RunContext&, StatusSurface&, const std::string&) { throw Error("Stream read error"); }}};
  EXPECT_EQ(Run({"run", "--target", "out", "a.log"}).err, "Stream read error.\n");
}

TEST_F(CommandLineTest, CtrlCStopsTheRunAfterTheCurrentJob) {
  auto write = Writer(5);
  handlers = {{kDoublePackJob, [&](RunContext& context, StatusSurface& surface, const std::string& path) {
                 write(context, surface, path);
                 std::raise(SIGINT);
               }}};
  const test::XitoolOutcome outcome = Run({"run", "--target", "out", "a.nam", "b.nam"});
  EXPECT_EQ(outcome.status, kExitStopped);
  EXPECT_EQ(jobs, Lines{dir / "a.nam"});
  EXPECT_EQ(outcome.err, "Operation stopped!\n");
  EXPECT_TRUE(fs::exists(dir / "out/result.log"));
}

TEST(TerminalSurface, DrawsProgressOnlyOnATerminalAndResultsOnStdout) {
  for (const bool terminal : {false, true}) {
    std::ostringstream out;
    std::ostringstream err;
    TerminalSurface surface(out, err, terminal);
    surface.SetStatusText("Processing menu.nam...");
    surface.SetProgressPosition(40);
    surface.AppendResult("Total 5 bytes extracted.");
    EXPECT_EQ(out.str(), "Total 5 bytes extracted.\n");
    EXPECT_EQ(err.str().find("Processing menu.nam...") != std::string::npos, terminal);
    EXPECT_TRUE(surface.ResultsHoldLine());
  }
}

TEST(CommandLineProgram, RunsAsAProgram) {
  TempDir dir;
  test::TestArchive().Stored("intro.txt", test::ToBytes("hello")).WriteTo(dir / "menu.nam");
  const auto run = [&](const std::string& files) {
    const std::string command = std::string(XITOOL_PROGRAM) + " run --target '" + (dir / "out") + "' " + files +
                                " > '" + (dir / "stdout") + "' 2> '" + (dir / "stderr") + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(run("'" + (dir / "menu.nam") + "'"), kExitCompleted);
  EXPECT_EQ(ReadFile(dir / "out/menu.nam/TXT/intro.txt"), "hello");
  EXPECT_EQ(ReadFile(dir / "stdout"), "Total 5 bytes extracted.\n");
  EXPECT_EQ(ReadFile(dir / "stderr"), "Operation complete!\n");

  EXPECT_EQ(run("'" + (dir / "gone.nam") + "'"), kExitError);
  EXPECT_EQ(ReadFile(dir / "stderr"), "Cannot open file " + (dir / "gone.nam") + ".\n");
  EXPECT_EQ(run("'" + (dir / "menu.nam") + "' '" + (dir / "a.fnt") + "'"), kExitUsage);
}

}  // namespace
}  // namespace xi
