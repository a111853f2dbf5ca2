#include "replay/ReplayLogFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "jobs/RecordingSurface.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::TempDir;
using test::WriteFile;
using Lines = std::vector<std::string>;

// Walks logs with handlers that record their calls and consume the lines a
// real handler would: one per record (NAM, two records here) or the one sheet
// line (FNT).
class ReplayLogFileTest : public testing::Test {
 protected:
  ReplayLogFileTest() {
    context.TargetDir = dir / "out";
    WriteFile(dir / "gfx.nam", "index");
    WriteFile(dir / "ui.nam", "index");
    WriteFile(dir / "big.fnt", "font");
  }

  InsertHandler Recorder(const std::string& format, long long linesRead) {
    return [this, format, linesRead](RunContext& run, StatusSurface&, const std::string& output, long long first) {
      EXPECT_TRUE(run.SourceStream.has_value());
      calls.push_back(format + " " + output + " from " + std::to_string(first) + " source " + run.SourcePath);
      return first + linesRead;
    };
  }

  void Replay(const std::string& text) {
    WriteFile(dir / "result.log", text);
    ReplayLogFile(context, surface, dir / "result.log", {{1, Recorder("NAM", 2)}, {2, Recorder("FNT", 1)}});
  }

  TempDir dir;
  RunContext context;
  RecordingSurface surface;
  Lines calls;
};

TEST_F(ReplayLogFileTest, HandlersReadTheirLinesAndTheLineAfterIsPassedOver) {
  Replay("#Format: NAM\r\n#Source: " + (dir / "gfx.nam") +
         "\r\nx/title.bmp\r\nx/intro.txt\r\n#Format: NAM\r\n#Source: " + (dir / "ui.nam") +
         "\r\nx/panel.bmp\r\nx/keys.cfg\r\n");
  EXPECT_EQ(calls, (Lines{"NAM " + (dir / "out/gfx.nam") + " from 2 source " + (dir / "gfx.nam"),
                          "NAM " + (dir / "out/ui.nam") + " from 6 source " + (dir / "ui.nam")}));
  // Directive lines hold their values now; line 4 was never examined.
  EXPECT_EQ(context.ReplayLog.At(0), "NAM");
  EXPECT_EQ(context.ReplayLog.At(4), "#Format: NAM");
  EXPECT_EQ(context.ReplayLog.At(5), dir / "ui.nam");
  EXPECT_FALSE(context.SourceStream.has_value());
  EXPECT_EQ(context.SourcePath, dir / "ui.nam");
  EXPECT_EQ(surface.ProgressPosition(), 3);  // lines 0, 1 and 5 were examined
  EXPECT_EQ(surface.totalShown, (std::vector<int>{0, 0, 0, 14, 71}));
  EXPECT_EQ(surface.statusTexts.front(), "Processing result.log...");
  EXPECT_EQ(surface.statusTexts.back(), "Processing ui.nam...");
}

TEST_F(ReplayLogFileTest, AFontLogOfOneJob) {
  Replay("#Format: FNT\r\n#Source: " + (dir / "big.fnt") + "\r\n" + (dir / "big.bmp") + "\r\n");
  EXPECT_EQ(calls, Lines{"FNT " + (dir / "out/big.fnt") + " from 2 source " + (dir / "big.fnt")});
  EXPECT_EQ(surface.totalShown, (std::vector<int>{0, 0, 0, 50}));
}

TEST_F(ReplayLogFileTest, SourcesWithoutAKnownFormatAreOpenedAndPassedOver) {
  for (const std::string format : {"", "#Format: BMP\r\n", "#Format:\r\n", "#format: NAM\r\n"}) {
    calls.clear();
    Replay(format + "#Source: " + (dir / "gfx.nam") + "\r\nentry\r\nentry\r\n");
    EXPECT_TRUE(calls.empty()) << format;
    EXPECT_EQ(context.ReplayFormat, 5) << format;
    EXPECT_EQ(context.SourcePath, dir / "gfx.nam");
  }
}

TEST_F(ReplayLogFileTest, ASourceThatIsGoneIsNoError) {
  Replay("#Format: NAM\r\n#Source: " + (dir / "gone.nam") + "\r\n#Source: " + (dir / "ui.nam") + "\r\na\r\nb\r\n");
  EXPECT_EQ(calls, Lines{"NAM " + (dir / "out/ui.nam") + " from 3 source " + (dir / "ui.nam")});
  std::filesystem::create_directory(dir / "folder.nam");
  EXPECT_EQ(ErrorMessageOf([&] { Replay("#Format: NAM\r\n#Source: " + (dir / "folder.nam") + "\r\n"); }),
            "Cannot open file " + (dir / "folder.nam"));
}

TEST_F(ReplayLogFileTest, EmptyOneLineAndLongLogs) {
  Replay("");
  EXPECT_EQ(surface.statusTexts, Lines{"Processing result.log..."});
  EXPECT_EQ(surface.totalShown, (std::vector<int>{0, 0}));
  EXPECT_EQ(surface.pumpCount, 0);

  Replay("#Target anything");  // one line: no division by zero
  EXPECT_EQ(surface.totalShown.back(), 100);
  EXPECT_EQ(surface.ProgressPosition(), 1);

  std::string lines;
  for (int i = 0; i < 150; ++i) lines += "plain line\r\n";
  Replay(lines);
  EXPECT_EQ(surface.ProgressPosition(), 100);
  EXPECT_EQ(surface.totalShown.back(), 100);
  EXPECT_EQ(ErrorMessageOf([&] { ReplayLogFile(context, surface, dir / "missing.log", {}); }),
            "Cannot open file " + (dir / "missing.log"));
}

}  // namespace
}  // namespace xi
