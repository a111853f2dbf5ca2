#include "jobs/JobRunner.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "jobs/RecordingSurface.h"
#include "platform/Error.h"

namespace xi {
namespace {

using test::ReadFile;
using test::TempDir;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// Answers the runner from a script: a job list, the target the chooser
// returns (nullopt: cancel), and a record of the boxes shown.
class ScriptedFrontEnd : public RunFrontEnd {
 public:
  [[nodiscard]] std::size_t JobCount() const override { return jobs.size(); }
  [[nodiscard]] std::string JobPath(std::size_t index) const override { return jobs.at(index); }
  [[nodiscard]] JobKind CurrentKind() const override { return kind; }
  [[nodiscard]] std::optional<std::string> ChooseTargetDir(const std::string& startDir) override {
    chooserStarts.push_back(startDir);
    return target;
  }
  void ShowCompletion(const std::string& text, const std::string& caption) override {
    boxes.push_back(caption + " " + text);
  }

  Lines jobs;
  JobKind kind = kDoublePackJob;
  std::optional<std::string> target;
  Lines chooserStarts;
  Lines boxes;
};

class JobRunnerTest : public testing::Test {
 protected:
  // A handler that logs its call and appends two entry lines, as the
  // extraction handlers do.
  JobHandler Extractor() {
    return [this](RunContext& run, StatusSurface& status, const std::string& path) {
      calls.push_back(path);
      status.SetStatusText("Processing " + path + "...");
      run.ResultLog.Add(path + "/entry0");
      run.ResultLog.Add(path + "/entry1");
    };
  }

  JobRunner MakeRunner(HandlerTable handlers) { return JobRunner(context, surface, frontEnd, std::move(handlers)); }

  TempDir dir;
  test::CurrentDirectoryGuard cwdGuard;
  RunContext context;
  RecordingSurface surface;
  ScriptedFrontEnd frontEnd;
  Lines calls;
};

TEST_F(JobRunnerTest, AnEmptyListDoesNothingAtAll) {
  surface.results = {"typed by the user"};
  context.ResultLog.Add("earlier run");
  MakeRunner({{kDoublePackJob, Extractor()}}).BProcessClick();
  EXPECT_TRUE(frontEnd.chooserStarts.empty());
  EXPECT_TRUE(frontEnd.boxes.empty());
  EXPECT_EQ(surface.results, Lines{"typed by the user"});
  EXPECT_EQ(context.ResultLog.Lines(), Lines{"earlier run"});
}

TEST_F(JobRunnerTest, ACancelledChooserClearsSavesNothingAndStillShowsTheBox) {
  ASSERT_TRUE(fs::create_directory(dir / "cwd"));
  fs::current_path(dir / "cwd");
  surface.results = {"old"};
  context.ResultLog.Add("old");
  context.TotalBytes = 1234;  // left by an earlier run: not this run's bytes
  frontEnd.jobs = {"/a.nam"};
  MakeRunner({{kDoublePackJob, Extractor()}}).BProcessClick();

  EXPECT_EQ(frontEnd.chooserStarts, Lines{fs::current_path().string()});
  EXPECT_EQ(context.TargetDir, fs::current_path().string());
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(surface.results.empty());
  EXPECT_TRUE(context.ResultLog.Empty());
  EXPECT_TRUE(surface.totalShown.empty());
  EXPECT_TRUE(surface.statusTexts.empty());  // no resets either
  EXPECT_EQ(test::ListDirectory(dir / "cwd"), "");
  EXPECT_EQ(frontEnd.boxes, Lines{"Process status: Operation complete!"});
}

TEST_F(JobRunnerTest, OneJobWritesItsHeaderLinesAndSavesTheLog) {
  frontEnd.jobs = {"/data/menu.nam"};
  frontEnd.target = dir.Path();
  MakeRunner({{kDoublePackJob, Extractor()}}).BProcessClick();

  const Lines expected = {"#Format: NAM", "#Source: /data/menu.nam", "/data/menu.nam/entry0", "/data/menu.nam/entry1"};
  EXPECT_EQ(context.ResultLog.Lines(), expected);
  EXPECT_EQ(ReadFile(dir / "result.log"),
            "#Format: NAM\r\n#Source: /data/menu.nam\r\n/data/menu.nam/entry0\r\n/data/menu.nam/entry1\r\n");
  EXPECT_EQ(fs::current_path(), fs::path(dir.Path()));
  EXPECT_EQ(surface.totalShown, (std::vector<int>{0, 0, 0, 0}));  // maximum, position, after the job, end
  EXPECT_EQ(surface.statusText, "");
  EXPECT_EQ(surface.counterText, "");
  EXPECT_EQ(surface.ProgressPosition(), 0);
  EXPECT_FALSE(surface.stopEnabled);
  EXPECT_EQ(frontEnd.boxes, Lines{"Process status: Operation complete!"});
}

TEST_F(JobRunnerTest, EachJobGetsItsOwnHeaderLinesAndTotalNeverReaches100) {
  frontEnd.jobs = {"/f/a.fnt", "/f/b.fnt", "/f/c.fnt"};
  frontEnd.kind = kFontJob;
  frontEnd.target = dir.Path();
  MakeRunner({{kFontJob, Extractor()}}).BProcessClick();

  EXPECT_EQ(calls, frontEnd.jobs);
  const Lines expected = {"#Format: FNT", "#Source: /f/a.fnt", "/f/a.fnt/entry0", "/f/a.fnt/entry1",
                          "#Format: FNT", "#Source: /f/b.fnt", "/f/b.fnt/entry0", "/f/b.fnt/entry1",
                          "#Format: FNT", "#Source: /f/c.fnt", "/f/c.fnt/entry0", "/f/c.fnt/entry1"};
  EXPECT_EQ(context.ResultLog.Lines(), expected);
  EXPECT_EQ(surface.totalShown, (std::vector<int>{0, 0, 0, 33, 66, 0}));
  EXPECT_GE(surface.pumpCount, 3);
}

TEST_F(JobRunnerTest, AReplayRunWritesNoLogAndLeavesAnOldOneAlone) {
  test::WriteFile(dir / "result.log", "from an extraction run\r\n");
  for (const JobKind kind : {kLogJob, kProjectListJob}) {
    frontEnd.jobs = {"/out/result.log"};
    frontEnd.kind = kind;
    frontEnd.target = dir.Path();
    MakeRunner({{kLogJob, Extractor()}, {kProjectListJob, Extractor()}}).BProcessClick();
    EXPECT_EQ(context.ResultLog.At(0), "#Format: ");  // built, never saved
    EXPECT_EQ(ReadFile(dir / "result.log"), "from an extraction run\r\n");
  }
  EXPECT_EQ(calls.size(), 2u);
}

TEST_F(JobRunnerTest, AFailureEndsTheRunWhereItHappens) {
  frontEnd.jobs = {"/a.nam", "/b.nam", "/c.nam"};
  frontEnd.target = dir.Path();
  auto extract = Extractor();
  auto runner = MakeRunner({{kDoublePackJob, [&](RunContext& c, StatusSurface& s, const std::string& path) {
                               extract(c, s, path);
                               if (path == "/b.nam") throw Error("Cannot open file /b.rsr");
                             }}});
  EXPECT_EQ(test::ErrorMessageOf([&] { runner.BProcessClick(); }), "Cannot open file /b.rsr");
  EXPECT_EQ(calls, (Lines{"/a.nam", "/b.nam"}));
  EXPECT_FALSE(fs::exists(dir / "result.log"));
  EXPECT_TRUE(frontEnd.boxes.empty());
  EXPECT_TRUE(surface.stopEnabled);
  EXPECT_FALSE(surface.saveLogEnabled);
  EXPECT_EQ(surface.statusText, "Processing /b.nam...");
  EXPECT_FALSE(runner.Running());  // the next run can start
}

TEST_F(JobRunnerTest, StopEndsTheRunAfterTheCurrentJobAndKeepsItsLog) {
  frontEnd.jobs = {"/a.nam", "/b.nam", "/c.nam"};
  frontEnd.target = dir.Path();
  context.StopRequested = true;  // left from before: cleared when the run starts
  auto extract = Extractor();
  JobRunner* runnerPointer = nullptr;
  auto runner = MakeRunner({{kDoublePackJob, [&](RunContext& c, StatusSurface& s, const std::string& path) {
                               extract(c, s, path);
                               if (path == "/b.nam") runnerPointer->RequestStop();
                             }}});
  runnerPointer = &runner;
  runner.BProcessClick();
  EXPECT_EQ(calls, (Lines{"/a.nam", "/b.nam"}));
  EXPECT_EQ(context.ResultLog.Count(), 8u);
  EXPECT_EQ(ReadFile(dir / "result.log").substr(0, 14), "#Format: NAM\r\n");
  EXPECT_EQ(surface.statusText, "");
  EXPECT_EQ(surface.totalShown.back(), 0);
  EXPECT_EQ(frontEnd.boxes, Lines{"Process status: Operation stopped!"});
}

TEST_F(JobRunnerTest, WrittenBytesAreCountedAndReportedInTheResults) {
  frontEnd.jobs = {"/a.nam"};
  frontEnd.target = dir.Path();
  Lines countsSeen;
  MakeRunner({{kDoublePackJob,
               [&](RunContext& c, StatusSurface& s, const std::string&) {
                 RecordWrittenFile(c, s, 1000);
                 RecordWrittenFile(c, s, 24);
                 countsSeen.push_back(surface.counterText);
               }}})
      .BProcessClick();
  EXPECT_EQ(countsSeen, Lines{"Extracted: 2"});
  EXPECT_EQ(surface.results, Lines{"Total 1024 bytes extracted."});
  EXPECT_TRUE(surface.saveLogEnabled);
  EXPECT_EQ(surface.counterText, "");
}

TEST_F(JobRunnerTest, TheDispatcherEnablesSaveLogOnlyWhenTheResultsHoldALine) {
  auto runner = MakeRunner({{kDoublePackJob, [&](RunContext&, StatusSurface& s, const std::string& path) {
                               EXPECT_TRUE(surface.stopEnabled);
                               EXPECT_FALSE(surface.saveLogEnabled);
                               if (path == "typed") s.AppendResult("the user typed this");
                             }}});
  surface.saveLogEnabled = true;
  runner.ProcessJob(kDoublePackJob, "quiet");
  EXPECT_FALSE(surface.saveLogEnabled);
  EXPECT_FALSE(surface.stopEnabled);
  runner.ProcessJob(kDoublePackJob, "typed");
  EXPECT_TRUE(surface.saveLogEnabled);
  runner.ProcessJob(7, "no handler for this kind");  // the other steps still run
  EXPECT_EQ(surface.focusCount, 3);
}

TEST_F(JobRunnerTest, AListThatChangesDuringARunIsNeverReadPastItsEnd) {
  frontEnd.jobs = {"/a.nam", "/b.nam"};
  frontEnd.target = dir.Path();
  JobRunner* runnerPointer = nullptr;
  auto runner = MakeRunner({{kDoublePackJob, [&](RunContext&, StatusSurface& s, const std::string& path) {
                               calls.push_back(path);
                               runnerPointer->BProcessClick();  // a second run asked for during a pump
                               s.Pump();
                               frontEnd.jobs.clear();  // the list emptied while the job ran
                             }}});
  runnerPointer = &runner;
  runner.BProcessClick();
  EXPECT_EQ(calls, Lines{"/a.nam"});
  EXPECT_EQ(frontEnd.chooserStarts.size(), 1u);
  EXPECT_EQ(frontEnd.boxes.size(), 1u);
}

TEST_F(JobRunnerTest, RunningTwiceIntoOneDirectoryReplacesTheLog) {
  frontEnd.target = dir.Path();
  frontEnd.jobs = {"/first.nam"};
  MakeRunner({{kDoublePackJob, Extractor()}}).BProcessClick();
  frontEnd.jobs = {"/second.nam"};
  MakeRunner({{kDoublePackJob, Extractor()}}).BProcessClick();
  EXPECT_EQ(ReadFile(dir / "result.log"),
            "#Format: NAM\r\n#Source: /second.nam\r\n/second.nam/entry0\r\n/second.nam/entry1\r\n");
}

}  // namespace
}  // namespace xi
