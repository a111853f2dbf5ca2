#include "doublepack/ExtractDoublePack.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "cli/CommandLine.h"
#include "cli/RunXitool.h"
#include "doublepack/GfxImage.h"
#include "doublepack/TestArchive.h"
#include "image/Bmp24.h"
#include "jobs/RecordingSurface.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::ReadFile;
using test::TempDir;
using test::ToBytes;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

class ExtractDoublePackTest : public testing::Test {
 protected:
  ExtractDoublePackTest() {
    fs::create_directories(dir / "data");
    fs::create_directories(dir / "out");
    context.TargetDir = dir / "out";
  }

  std::string Extract(const test::TestArchive& archive, const std::string& name = "menu.nam") {
    const std::string indexPath = dir / ("data/" + name);
    archive.WriteTo(indexPath);
    ExtractDoublePack(context, surface, indexPath);
    return indexPath;
  }

  std::string Out(const std::string& relative) const { return dir / ("out/" + relative); }

  TempDir dir;
  RunContext context;
  RecordingSurface surface;
};

TEST_F(ExtractDoublePackTest, EveryRecordGivesOneFileAndOneLogLine) {
  const Bytes gfx = test::GfxBytes(2, 1, {0xF800, 0x001F});
  const Bytes text = test::TextLikePayload(3000);
  Extract(test::TestArchive()
              .Stored("data\\menu.gfx", gfx)
              .Compressed("menu.GFX", gfx)
              .Stored("intro.txt", ToBytes("hello"))
              .Compressed("ui\\a.b.txt", text)
              .Stored("a.b.txt", ToBytes("second"))
              .StoredEqualSizes("five.cfg", ToBytes("12345"))
              .Stored("README", ToBytes("read me"))
              .Stored("empty.dat", {})
              .Stored("menu.gfx", Bytes{}));  // an image of no pixels: an empty file

  const std::string base = Out("menu.nam");
  const Lines expected = {base + "/GFX/menu.bmp", base + "/GFX/menu_0000.bmp", base + "/TXT/intro.txt",
                          base + "/TXT/a.b.txt",  base + "/TXT/a_0000.txt",    base + "/CFG/five.cfg",
                          base + "//README",      base + "/DAT/empty.dat",     base + "/GFX/menu_0001.bmp"};
  EXPECT_EQ(context.ResultLog.Lines(), expected);
  RgbImage picture(2, 1);
  picture.At(0, 0) = {0xFF, 0, 0};
  picture.At(1, 0) = {0, 0, 0xFF};
  EXPECT_EQ(ReadFile(base + "/GFX/menu.bmp"), test::ToString(EncodeBmp24(picture)));
  EXPECT_EQ(ReadFile(base + "/GFX/menu_0000.bmp"), ReadFile(base + "/GFX/menu.bmp"));
  EXPECT_EQ(ReadFile(base + "/TXT/intro.txt"), "hello");
  EXPECT_EQ(ReadFile(base + "/TXT/a.b.txt"), test::ToString(text));
  EXPECT_EQ(ReadFile(base + "/TXT/a_0000.txt"), "second");
  EXPECT_EQ(ReadFile(base + "/CFG/five.cfg"), "12345");
  EXPECT_EQ(ReadFile(base + "/README"), "read me");
  EXPECT_EQ(ReadFile(base + "/DAT/empty.dat"), "");
  EXPECT_EQ(ReadFile(base + "/GFX/menu_0001.bmp"), "");
  EXPECT_EQ(test::ListDirectory(base), "CFG DAT GFX README TXT");

  EXPECT_EQ(surface.statusTexts, Lines{"Processing menu.nam..."});
  EXPECT_EQ(surface.progressShown, (std::vector<int>{0, 11, 22, 33, 44, 55, 66, 77, 88}));
  EXPECT_EQ(context.ExtractedFiles, 9u);
  EXPECT_EQ(context.TotalBytes, 2 * 62u + 5 + 3000 + 6 + 5 + 7);
  EXPECT_EQ(surface.counterText, "Extracted: 9");
}

TEST_F(ExtractDoublePackTest, ExistingFilesAreNeverOverwritten) {
  const auto archive = test::TestArchive().Stored("menu.txt", ToBytes("new"));
  fs::create_directories(Out("menu.nam/TXT"));
  test::WriteFile(Out("menu.nam/TXT/menu.txt"), "mine");
  fs::create_directory(Out("menu.nam/TXT/menu_0000.txt"));  // any kind of object counts
  Extract(archive);
  Extract(archive);
  EXPECT_EQ(context.ResultLog.Lines(), (Lines{Out("menu.nam/TXT/menu_0001.txt"), Out("menu.nam/TXT/menu_0002.txt")}));
  EXPECT_EQ(ReadFile(Out("menu.nam/TXT/menu.txt")), "mine");
  EXPECT_EQ(ReadFile(Out("menu.nam/TXT/menu_0002.txt")), "new");
}

TEST_F(ExtractDoublePackTest, TheCounterGoesOnPastFourHexDigits) {
  fs::create_directories(Out("menu.nam/TXT"));
  test::WriteFile(Out("menu.nam/TXT/a.txt"), "");
  for (int i = 0; i <= 0x10; ++i) {
    std::ostringstream name;
    name << "a_" << std::uppercase << std::hex << std::setw(4) << std::setfill('0') << i << ".txt";
    test::WriteFile(Out("menu.nam/TXT/" + name.str()), "");
  }
  Extract(test::TestArchive().Stored("a.txt", ToBytes("x")));
  EXPECT_EQ(context.ResultLog.Lines(), Lines{Out("menu.nam/TXT/a_0011.txt")});
}

TEST_F(ExtractDoublePackTest, ShortAndOddIndexes) {
  Extract(test::TestArchive().Trailing(Bytes(63, 'x')));  // no whole record
  EXPECT_EQ(test::ListDirectory(Out("")), "menu.nam");
  EXPECT_EQ(test::ListDirectory(Out("menu.nam")), "");
  EXPECT_TRUE(context.ResultLog.Empty());
  EXPECT_EQ(surface.ProgressPosition(), 0);

  // A full 52-byte name, and trailing bytes that make no record.
  const std::string longName(48, 'n');
  Extract(test::TestArchive().Record(ToBytes(longName + ".txt"), 0, 0, 0).Trailing(ToBytes("tail")), "long.nam");
  EXPECT_EQ(context.ResultLog.Lines(), Lines{Out("long.nam/TXT/" + longName + ".txt")});
  EXPECT_EQ(surface.ProgressPosition(), 0);  // one record: the bar stays at 0
}

TEST_F(ExtractDoublePackTest, AMissingDataFileFailsBeforeAnythingIsCreated) {
  test::TestArchive().Stored("a.txt", ToBytes("x")).WriteTo(dir / "data/menu.nam");
  fs::remove(dir / "data/menu.rsr");
  EXPECT_EQ(ErrorMessageOf([&] { ExtractDoublePack(context, surface, dir / "data/menu.nam"); }),
            "Cannot open file " + (dir / "data/menu.rsr"));
  EXPECT_EQ(ErrorMessageOf([&] { ExtractDoublePack(context, surface, dir / "data/gone.nam"); }),
            "Cannot open file " + (dir / "data/gone.nam"));
  EXPECT_EQ(test::ListDirectory(Out("")), "");
}

TEST_F(ExtractDoublePackTest, AnEntryPastTheEndOfTheDataFileKeepsTheEarlierOnes) {
  auto archive = test::TestArchive().Stored("a.txt", ToBytes("abc")).Record(test::NameField("b.txt"), 2, 0, 5);
  EXPECT_EQ(ErrorMessageOf([&] { Extract(archive); }), "Stream read error");
  EXPECT_EQ(context.ResultLog.Lines(), Lines{Out("menu.nam/TXT/a.txt")});
  EXPECT_EQ(test::ListDirectory(Out("menu.nam/TXT")), "a.txt");

  // Offsets are unsigned: one past 2 GiB is simply past this file's end.
  context.ResultLog.Clear();
  archive = test::TestArchive().Record(test::NameField("c.txt"), 0x80000001u, 0, 1);
  EXPECT_EQ(ErrorMessageOf([&] { Extract(archive, "other.nam"); }), "Stream read error");
}

TEST_F(ExtractDoublePackTest, MalformedCompressedEntriesFail) {
  Bytes packed = test::EncodeLzw(ToBytes("hello hello hello"));
  packed.resize(packed.size() - 2);
  auto archive = test::TestArchive().Record(test::NameField("a.txt"), 0, static_cast<std::uint32_t>(packed.size()), 17);
  const std::string indexPath = dir / "data/bad.nam";
  test::WriteFile(indexPath, test::ToString(archive.Index()));
  test::WriteFile(dir / "data/bad.rsr", test::ToString(packed));
  EXPECT_EQ(ErrorMessageOf([&] { ExtractDoublePack(context, surface, indexPath); }), "Stream read error");
  EXPECT_TRUE(context.ResultLog.Empty());
}

TEST_F(ExtractDoublePackTest, ATargetHoldingTheArchiveFailsBeforeWritingAnything) {
  context.TargetDir = dir / "data";
  const auto archive = test::TestArchive().Stored("a.txt", ToBytes("x"));
  EXPECT_EQ(ErrorMessageOf([&] { Extract(archive); }), "Cannot create file " + (dir / "data/menu.nam/TXT/a.txt"));
  EXPECT_EQ(test::ListDirectory(dir / "data"), "menu.nam menu.rsr");
}

TEST(ExtractDoublePackRun, XitoolRunExtractsArchivesAndSavesTheLog) {
  TempDir dir;
  test::CurrentDirectoryGuard cwdGuard;
  fs::current_path(dir.Path());
  fs::create_directory(dir / "data");
  test::TestArchive().Stored("title.gfx", test::GfxBytes(1, 1, {0xFFFF})).WriteTo(dir / "data/gfx.nam");
  test::TestArchive().Compressed("keys.cfg", ToBytes("jump=space")).Stored("README", {}).WriteTo(dir / "data/ui.nam");
  const auto run = test::RunXitool({"run", "--kind", "nam", "--target", "out", "data/gfx.nam", "data/ui.nam"});
  ASSERT_EQ(run.status, kExitCompleted) << run.err;

  const std::string target = dir / "out";
  EXPECT_EQ(ReadFile(target + "/result.log"),
            "#Format: NAM\r\n#Source: " + (dir / "data/gfx.nam") + "\r\n" + target +
                "/gfx.nam/GFX/title.bmp\r\n#Format: NAM\r\n#Source: " + (dir / "data/ui.nam") + "\r\n" + target +
                "/ui.nam/CFG/keys.cfg\r\n" + target + "/ui.nam//README\r\n");
  EXPECT_EQ(ReadFile(target + "/gfx.nam/GFX/title.bmp").size(), 58u);
  EXPECT_EQ(ReadFile(target + "/ui.nam/CFG/keys.cfg"), "jump=space");
  EXPECT_EQ(run.out, "Total 68 bytes extracted.\n");
  EXPECT_EQ(run.err, "Operation complete!\n");
}

}  // namespace
}  // namespace xi
