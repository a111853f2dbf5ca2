#include "doublepack/InsertDoublePack.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "cli/CommandLine.h"
#include "cli/RunXitool.h"
#include "doublepack/GfxImage.h"
#include "doublepack/IndexImage.h"
#include "doublepack/TestArchive.h"
#include "image/Bmp24.h"
#include "jobs/RecordingSurface.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::ReadFile;
using test::TempDir;
using test::ToBytes;
using test::ToString;
using test::WriteFile;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

class InsertDoublePackTest : public testing::Test {
 protected:
  InsertDoublePackTest() {
    for (const char* sub : {"src", "ex", "out"}) fs::create_directory(dir / sub);
    context.TargetDir = dir / "out";
    context.SourcePath = dir / "src/menu.nam";
  }

  // Writes the source pair and remembers its bytes.
  void Source(const test::TestArchive& archive) {
    archive.WriteTo(context.SourcePath);
    sourceIndex = ReadFile(dir / "src/menu.nam");
    sourceData = ReadFile(dir / "src/menu.rsr");
  }

  // The log: a "#Source:" line, then one line per entry.
  long long Insert(const Lines& entryLines) {
    context.ReplayLog.Assign({"#Source: " + context.SourcePath});
    for (const auto& line : entryLines) context.ReplayLog.Add(line);
    context.ReplayLog.Add("#Format: NAM");
    return InsertDoublePack(context, surface, dir / "out/menu.nam", 1);
  }

  void TearDown() override {
    // Whatever happened, the source pair is as it was and no temporary file is left.
    EXPECT_EQ(ReadFile(dir / "src/menu.nam"), sourceIndex);
    EXPECT_EQ(ReadFile(dir / "src/menu.rsr"), sourceData);
    for (const auto& entry : fs::directory_iterator(dir / "out")) {
      EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
    }
  }

  TempDir dir;
  RunContext context;
  RecordingSurface surface;
  std::string sourceIndex;
  std::string sourceData;
};

TEST_F(InsertDoublePackTest, EachEntryTakesItsFileOrKeepsItsOldBytes) {
  const Bytes compressedText = test::TextLikePayload(500);
  Source(test::TestArchive()
             .Stored("data\\a.txt", ToBytes("old"))
             .Compressed("pic.gfx", test::GfxBytes(1, 1, {0x1234}))
             .Stored("b.txt", ToBytes("old b"))
             .Stored("k.cfg", ToBytes("old k"))
             .Stored("d.dat", ToBytes("old d"))
             .Stored("e.dat", ToBytes("old e"))
             .Compressed("c.txt", compressedText)
             .Stored("n.gfx", Bytes(40, 7)));
  RgbImage picture(3, 2);
  picture.At(0, 0) = {0xFF, 0, 0};
  picture.At(2, 1) = {0xFF, 0xFF, 0xFF};
  WriteFile(dir / "ex/pic.bmp", ToString(EncodeBmp24(picture)));
  WriteFile(dir / "ex/b.txt",
            "a\x18"
            "b");
  WriteFile(dir / "ex/k.CFG", "x");
  WriteFile(dir / "ex/d.dat", "raw");
  WriteFile(dir / "ex/e.dat", "");
  EXPECT_EQ(Insert({dir / "ex/gone.txt", dir / "ex/pic.bmp", dir / "ex/b.txt", dir / "ex/k.CFG", dir / "ex/d.dat",
                    dir / "ex/e.dat", dir / "ex/gone_too.txt", dir / "ex/gone.gfx"}),
            9);

  const IndexImage out = IndexImage::Load(dir / "out/menu.nam");
  const Bytes gfx = EncodeGfxImage(GfxImage{3, 2, {0xF800, 0, 0, 0, 0, 0xFFFF}});
  const struct {
    const char* name;
    std::uint32_t packed;
    std::uint32_t unpacked;
    Bytes bytes;
  } expected[] = {
      {"data\\a.txt", 0, 3, ToBytes("old")},
      {"pic.gfx", 16, 16, gfx},
      {"b.txt", 6, 6, {0xFF, 0xFE, 0x61, 0x01, 0x62, 0x00}},
      {"k.cfg", 4, 4, {0xFF, 0xFE, 0x78, 0x00}},
      {"d.dat", 3, 3, ToBytes("raw")},
      {"e.dat", 0, 0, {}},
      {"c.txt", IndexImage(ToBytes(sourceIndex)).Record(6).PackedSize, 500, {}},
      {"n.gfx", 0, 40, Bytes(40, 7)},
  };
  const std::string data = ReadFile(dir / "out/menu.rsr");
  std::uint32_t offset = 0;
  ASSERT_EQ(out.RecordCount(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    const IndexRecord record = out.Record(i);
    EXPECT_EQ(record.Name, expected[i].name);
    EXPECT_EQ(record.Offset, offset) << i;
    EXPECT_EQ(record.PackedSize, expected[i].packed) << i;
    EXPECT_EQ(record.UnpackedSize, expected[i].unpacked) << i;
    if (i != 6) {
      EXPECT_EQ(data.substr(offset, record.StoredLength()), ToString(expected[i].bytes)) << i;
    }
    offset += record.StoredLength();
  }
  // The compressed entry's stored bytes are copied as they were.
  const IndexRecord sourceText = IndexImage(ToBytes(sourceIndex)).Record(6);
  EXPECT_EQ(data.substr(out.Record(6).Offset, sourceText.PackedSize),
            sourceData.substr(sourceText.Offset, sourceText.PackedSize));
  EXPECT_EQ(data.size(), offset);
  EXPECT_EQ(surface.statusTexts, Lines{"Processing menu.nam..."});
  EXPECT_EQ(surface.progressShown, (std::vector<int>{0, 12, 25, 37, 50, 62, 75, 87}));
}

TEST_F(InsertDoublePackTest, WithNoEditedFileTheArchiveIsRepackedAsItWas) {
  // Entries out of order, with a gap, sharing bytes; and two trailing bytes.
  Source(test::TestArchive()
             .Record(test::NameField("second.txt"), 6, 0, 4)
             .Record(test::NameField("first.txt"), 0, 0, 6)
             .Record(test::NameField("shared.txt"), 2, 0, 3)
             .Trailing(ToBytes("zz")));
  WriteFile(dir / "src/menu.rsr", "abcdefghijkl");
  sourceData = "abcdefghijkl";
  EXPECT_EQ(Insert({"", "/gone/a", "/gone/b"}), 4);
  EXPECT_EQ(ReadFile(dir / "out/menu.rsr"), "ghijabcdefcde");
  const std::string index = ReadFile(dir / "out/menu.nam");
  ASSERT_EQ(index.size(), 194u);
  EXPECT_EQ(index.substr(192), "zz");
  const IndexImage out(ToBytes(index));
  EXPECT_EQ(out.Record(1).Offset, 4u);
  EXPECT_EQ(out.Record(2).Offset, 10u);
  EXPECT_EQ(out.Record(2).Name, "shared.txt");
}

TEST_F(InsertDoublePackTest, AnIndexWithoutAWholeRecordIsCopied) {
  Source(test::TestArchive().Trailing(Bytes(63, 9)));
  context.ReplayLog.Assign({"#Source: x"});
  EXPECT_EQ(InsertDoublePack(context, surface, dir / "out/menu.nam", 1), 1);
  EXPECT_EQ(ReadFile(dir / "out/menu.nam"), sourceIndex);
  EXPECT_EQ(ReadFile(dir / "out/menu.rsr"), "");
}

TEST_F(InsertDoublePackTest, ReplayingTwiceReplacesTheOutput) {
  Source(test::TestArchive().Stored("a.txt", ToBytes("old")));
  WriteFile(dir / "ex/a.dat", "first");
  Insert({dir / "ex/a.dat"});
  WriteFile(dir / "ex/a.dat", "second");
  Insert({dir / "ex/a.dat"});
  EXPECT_EQ(ReadFile(dir / "out/menu.rsr"), "second");
  EXPECT_EQ(IndexImage::Load(dir / "out/menu.nam").Record(0).UnpackedSize, 6u);
}

TEST_F(InsertDoublePackTest, AFailureLeavesAnEarlierOutputPairUntouched) {
  Source(test::TestArchive().Stored("a.txt", ToBytes("old")).Stored("pic.gfx", Bytes(8, 0)).Stored("c", {}));
  WriteFile(dir / "out/menu.nam", "earlier index");
  WriteFile(dir / "out/menu.rsr", "earlier data");
  fs::create_directory(dir / "ex/folder.txt");
  WriteFile(dir / "ex/not.bmp", "this is no bitmap");
  WriteFile(dir / "ex/short.bmp", "BM\x01\x02");
  const auto fails = [&](const Lines& lines) { return ErrorMessageOf([&] { Insert(lines); }); };
  context.ReplayLog.Assign({"#Source: x", "/gone"});
  EXPECT_EQ(ErrorMessageOf([&] { InsertDoublePack(context, surface, dir / "out/menu.nam", 1); }),
            "List index out of bounds (2)");
  EXPECT_EQ(fails({"/gone", dir / "ex/not.bmp", "/gone"}), "Bitmap image is not valid");
  EXPECT_EQ(fails({"/gone", dir / "ex/short.bmp", "/gone"}), "Stream read error");
  EXPECT_EQ(fails({dir / "ex/folder.txt", "/gone", "/gone"}), "Cannot open file " + (dir / "ex/folder.txt"));
  EXPECT_EQ(ReadFile(dir / "out/menu.nam"), "earlier index");
  EXPECT_EQ(ReadFile(dir / "out/menu.rsr"), "earlier data");
}

TEST_F(InsertDoublePackTest, ACarriedEntryPastTheSourcesEndFails) {
  Source(test::TestArchive().Stored("a.txt", ToBytes("abc")).Record(test::NameField("b.txt"), 1, 0, 9));
  EXPECT_EQ(ErrorMessageOf([&] { Insert({"/gone", "/gone"}); }), "Stream read error");
  EXPECT_FALSE(fs::exists(dir / "out/menu.rsr"));
}

TEST_F(InsertDoublePackTest, TheSourceIsNeverTheOutput) {
  Source(test::TestArchive().Stored("a.txt", ToBytes("abc")));
  WriteFile(dir / "ex/a.txt", "edited");
  for (const std::string& target : Lines{dir / "src", dir / "src/.", dir / "link"}) {
    if (target == dir / "link") fs::create_directory_symlink(dir / "src", dir / "link");
    context.TargetDir = target;
    context.ReplayLog.Assign({"#Source: x", dir / "ex/a.txt"});
    EXPECT_EQ(ErrorMessageOf([&] { InsertDoublePack(context, surface, target + "/menu.nam", 1); }),
              "Cannot create file " + target + "/menu.rsr");
  }
  EXPECT_EQ(test::ListDirectory(dir / "src"), "menu.nam menu.rsr");
}

TEST_F(InsertDoublePackTest, AMissingSourceFailsBeforeWritingAnything) {
  Source(test::TestArchive().Stored("a.txt", ToBytes("abc")));
  context.SourcePath = dir / "src/gone.nam";
  EXPECT_EQ(ErrorMessageOf([&] { Insert({"/gone"}); }), "Cannot open file " + (dir / "src/gone.nam"));
  context.SourcePath = dir / "src/menu.nam";
  fs::rename(dir / "src/menu.rsr", dir / "src/moved.rsr");
  EXPECT_EQ(ErrorMessageOf([&] { Insert({"/gone"}); }), "Cannot open file " + (dir / "src/menu.rsr"));
  fs::rename(dir / "src/moved.rsr", dir / "src/menu.rsr");
  EXPECT_EQ(test::ListDirectory(dir / "out"), "");
}

TEST(InsertDoublePackRun, ExtractEditAndReplayThroughXitool) {
  TempDir dir;
  test::CurrentDirectoryGuard cwdGuard;
  fs::current_path(dir.Path());
  fs::create_directory(dir / "data");
  const Bytes story = test::TextLikePayload(2000);
  test::TestArchive()
      .Stored("title.gfx", test::GfxBytes(2, 1, {0x001F, 0xF800}))
      .Compressed("story.txt", story)
      .Stored("keys.cfg", ToBytes("jump=space"))
      .Stored("README", ToBytes("read me"))
      .WriteTo(dir / "data/ui.nam");
  const std::string sourceIndex = ReadFile(dir / "data/ui.nam");
  const std::string sourceData = ReadFile(dir / "data/ui.rsr");
  const auto run = [&](const std::vector<std::string>& arguments) {
    fs::current_path(dir.Path());  // a run leaves its target current
    const auto outcome = test::RunXitool(arguments);
    EXPECT_EQ(outcome.err, "Operation complete!\n");
    return outcome.status;
  };
  ASSERT_EQ(run({"run", "--target", "ex", "data/ui.nam"}), kExitCompleted);

  // Edit: a new picture, a changed config, the story deleted.
  RgbImage picture(1, 2);
  picture.At(0, 0) = {0, 0xFF, 0};
  WriteFile(dir / "ex/ui.nam/GFX/title.bmp", ToString(EncodeBmp24(picture)));
  WriteFile(dir / "ex/ui.nam/CFG/keys.cfg", "jump=w");
  fs::remove(dir / "ex/ui.nam/TXT/story.txt");
  WriteFile(dir / "project.lst", (dir / "ex/result.log") + "\r\n");
  ASSERT_EQ(run({"run", "--target", "new", "ex/result.log"}), kExitCompleted);
  ASSERT_EQ(run({"run", "--target", "new2", "project.lst"}), kExitCompleted);

  EXPECT_EQ(ReadFile(dir / "new/ui.rsr"), ReadFile(dir / "new2/ui.rsr"));
  EXPECT_EQ(ReadFile(dir / "new/ui.nam"), ReadFile(dir / "new2/ui.nam"));
  EXPECT_FALSE(fs::exists(dir / "new/result.log"));
  const IndexImage index = IndexImage::Load(dir / "new/ui.nam");
  const IndexImage source(ToBytes(sourceIndex));
  const std::string data = ReadFile(dir / "new/ui.rsr");
  const auto bytesOf = [&](std::size_t i) {
    return data.substr(index.Record(i).Offset, index.Record(i).StoredLength());
  };
  EXPECT_EQ(bytesOf(0), ToString(EncodeGfxImage(GfxImage{1, 2, {0x07E0, 0}})));
  EXPECT_EQ(index.Record(1).PackedSize, source.Record(1).PackedSize);  // still compressed, as it was
  EXPECT_EQ(bytesOf(1), sourceData.substr(source.Record(1).Offset, source.Record(1).PackedSize));
  EXPECT_EQ(bytesOf(2), std::string("\xFF\xFEj\0u\0m\0p\0=\0w\0", 14));
  EXPECT_EQ(bytesOf(3), "read me");  // no extension: as it is
  EXPECT_EQ(ReadFile(dir / "data/ui.nam"), sourceIndex);
  EXPECT_EQ(ReadFile(dir / "data/ui.rsr"), sourceData);
}

}  // namespace
}  // namespace xi
