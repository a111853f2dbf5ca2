#include "fonts/InsertFont.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "cli/CommandLine.h"
#include "cli/RunXitool.h"
#include "fonts/FontFile.h"
#include "fonts/GlyphSheet.h"
#include "fonts/TestFont.h"
#include "image/BitmapReader.h"
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
namespace fs = std::filesystem;

const Rgb kGrey{0x80, 0x80, 0x80};

class InsertFontTest : public testing::Test {
 protected:
  InsertFontTest() {
    fs::create_directories(dir / "src");
    fs::create_directories(dir / "out");
    context.TargetDir = dir / "out";
    context.SourcePath = dir / "src/menu.fnt";
  }

  // Inserts a sheet into a source font; returns the output's bytes.
  Bytes Insert(const Bytes& source, const RgbImage& sheet) {
    WriteFile(context.SourcePath, ToString(source));
    WriteFile(dir / "sheet.bmp", ToString(EncodeBmp24(sheet)));
    InsertFrom(dir / "sheet.bmp");
    EXPECT_EQ(ReadFile(context.SourcePath), ToString(source));
    return ToBytes(ReadFile(dir / "out/menu.fnt"));
  }

  long long InsertFrom(const std::string& sheetPath) {
    context.SourceStream = ReadStream::Open(context.SourcePath);
    context.ReplayLog.Assign({"#Source: x", sheetPath});
    return InsertFont(context, surface, dir / "out/menu.fnt", 1);
  }

  // The glyph records after the source's bytes.
  static std::vector<GlyphRecord> NewGlyphs(const Bytes& output, std::size_t sourceSize) {
    std::vector<GlyphRecord> all = FontGlyphs(output);
    std::vector<GlyphRecord> added;
    for (const auto& glyph : all) {
      if (glyph.offset >= sourceSize) added.push_back(glyph);
    }
    return added;
  }

  TempDir dir;
  RunContext context;
  RecordingSurface surface;
};

TEST_F(InsertFontTest, AnUneditedSheetGivesBoxesOneColumnWiderThanTheirInk) {
  std::vector<test::TestGlyph> glyphs(64, test::InkColumns(8, 3, 2, 4));
  glyphs[0] = test::InkColumns(6, 3, 0, 4);
  const Bytes source = test::FontBytes(3, glyphs);
  // The sheet extraction draws for this font.
  RgbImage sheet = test::BlankSheet(3, 64);
  for (std::uint32_t cell = 0; cell < 64; ++cell) {
    const std::uint32_t first = cell == 0 ? 0 : 2;
    for (std::uint32_t row = 0; row < 3; ++row) {
      for (std::uint32_t column = first; column <= 4; ++column) sheet.At(2 + column, cell * 13 + row) = kSheetWhite;
    }
  }
  const Bytes output = Insert(source, sheet);
  ASSERT_EQ(Bytes(output.begin(), output.begin() + static_cast<std::ptrdiff_t>(source.size())), source);
  const auto added = NewGlyphs(output, source.size());
  ASSERT_EQ(added.size(), 64u);
  EXPECT_EQ(added[0].width, 6);  // ink in 0..4: Width 6 stays 6
  EXPECT_EQ(added[1].width, 4);  // ink in 2..4 of 8: moved to 0..2, one blank column
  for (std::size_t row = 0; row < 3; ++row) {
    EXPECT_EQ(GlyphPixel(output, added[1], 0, row), kInkValue);
    EXPECT_EQ(GlyphPixel(output, added[1], 2, row), kInkValue);
    EXPECT_EQ(GlyphPixel(output, added[1], 3, row), 0);
  }
  EXPECT_EQ(output.size(), source.size() + (1 + 6 * 3) + 63 * (1 + 4 * 3));
  EXPECT_EQ(surface.statusTexts, std::vector<std::string>{"Processing menu.fnt..."});
  EXPECT_EQ(surface.ProgressPosition(), 98);
}

TEST_F(InsertFontTest, CellsAreTakenInOrderAndOnlyTheFirst64) {
  RgbImage sheet = test::BlankSheet(2, 70);
  for (std::uint32_t cell = 0; cell < 70; ++cell) {
    if (cell == 5) continue;  // a blank cell: no box, later cells move up
    // Ink as wide as the cell's number, so each record shows where it came from.
    for (std::uint32_t column = 0; column <= cell % 40; ++column) sheet.At(2 + column, cell * 12) = kSheetWhite;
  }
  const Bytes output = Insert(Bytes{2}, sheet);  // a source of FontHeight only
  const auto added = NewGlyphs(output, 1);
  ASSERT_EQ(added.size(), 64u);
  EXPECT_EQ(added[4].width, 4 + 2);
  EXPECT_EQ(added[5].width, 6 + 2);         // from cell 6
  EXPECT_EQ(added[63].width, 64 % 40 + 2);  // from the 65th cell
}

TEST_F(InsertFontTest, GreyWidensWithoutInkAndWidthKeepsEightBits) {
  RgbImage sheet = test::BlankSheet(1, 64);
  for (std::uint32_t cell = 0; cell < 64; ++cell) sheet.At(2, cell * 11) = kSheetWhite;
  sheet.At(2, 0) = kGrey;  // cell 0: grey in columns 2 and 7 only
  sheet.At(7, 0) = kGrey;
  const Bytes output = Insert(Bytes{1}, sheet);
  const auto added = NewGlyphs(output, 1);
  EXPECT_EQ(added[0].width, 7);
  for (std::size_t column = 0; column < 7; ++column) EXPECT_EQ(GlyphPixel(output, added[0], column, 0), 0);
  EXPECT_EQ(added[1].width, 2);
  EXPECT_EQ(GlyphPixel(output, added[1], 0, 0), kInkValue);

  // Widened to 300 columns, marked from column 1 to 299: Width 300 & 0xFF = 44.
  RgbImage wide(300, static_cast<std::uint32_t>(SheetHeight(2, 64)));
  for (std::uint32_t cell = 0; cell < 64; ++cell) {
    const std::uint32_t top = cell * 12;
    wide.At(0, top) = kSheetWhite;
    wide.At(0, top + 1) = kSheetWhite;
    wide.At(1, top + 1) = kGrey;  // not on row 0: (1, 0) is the background
    wide.At(299, top) = kSheetWhite;
  }
  const Bytes wideOutput = Insert(Bytes{2}, wide);
  const auto wideGlyphs = NewGlyphs(wideOutput, 1);
  EXPECT_EQ(wideGlyphs[0].width, 44);
  EXPECT_EQ(wideOutput.size(), 1 + 64 * (1 + 44 * 2u));
}

TEST_F(InsertFontTest, RowsAreCountedFromTheTopForTheSourcesHeight) {
  // FontHeight 3, but cell 0's marker run is one row long: its rows 1 and 2
  // come from the gap below; the picture's last column reads as empty.
  RgbImage sheet = test::BlankSheet(3, 64);
  sheet.At(0, 1) = kSheetBlack;
  sheet.At(0, 2) = kSheetBlack;
  sheet.At(49, 0) = kSheetWhite;
  sheet.At(49, 2) = kSheetWhite;
  for (std::uint32_t cell = 1; cell < 64; ++cell) sheet.At(3, cell * 13) = kSheetWhite;
  const Bytes output = Insert(Bytes{3}, sheet);
  const auto added = NewGlyphs(output, 1);
  EXPECT_EQ(added[0].width, 2);
  EXPECT_EQ(GlyphPixel(output, added[0], 0, 0), kInkValue);
  EXPECT_EQ(GlyphPixel(output, added[0], 1, 0), 0);  // past the last column
  EXPECT_EQ(GlyphPixel(output, added[0], 0, 2), kInkValue);
}

TEST_F(InsertFontTest, FailuresLeaveNoOutput) {
  RgbImage short63 = test::BlankSheet(1, 63);
  for (std::uint32_t cell = 0; cell < 63; ++cell) short63.At(2, cell * 11) = kSheetWhite;
  WriteFile(dir / "out/menu.fnt", "earlier output");
  EXPECT_EQ(ErrorMessageOf([&] { Insert(Bytes{1}, short63); }),
            "The glyph sheet " + (dir / "sheet.bmp") + " has 63 glyph cells; 64 are needed");
  RgbImage full = test::BlankSheet(1, 64);
  for (std::uint32_t cell = 0; cell < 64; ++cell) full.At(2, cell * 11) = kSheetWhite;
  EXPECT_EQ(ErrorMessageOf([&] { Insert(Bytes{}, full); }),
            "The font " + context.SourcePath + " is empty: it has no font height");
  WriteFile(dir / "not.bmp", "GIF89a");
  EXPECT_EQ(ErrorMessageOf([&] { InsertFrom(dir / "not.bmp"); }), "Bitmap image is not valid");
  WriteFile(dir / "short.bmp", "BM\x01");
  EXPECT_EQ(ErrorMessageOf([&] { InsertFrom(dir / "short.bmp"); }), "Stream read error");
  EXPECT_EQ(ErrorMessageOf([&] { InsertFrom(dir / "gone.bmp"); }), "Cannot open file " + (dir / "gone.bmp"));
  context.SourceStream = ReadStream::Open(context.SourcePath);
  context.ReplayLog.Assign({"#Source: x"});
  EXPECT_EQ(ErrorMessageOf([&] { InsertFont(context, surface, dir / "out/menu.fnt", 1); }),
            "List index out of bounds (1)");
  EXPECT_EQ(ReadFile(dir / "out/menu.fnt"), "earlier output");
  EXPECT_EQ(test::ListDirectory(dir / "out"), "menu.fnt");
}

TEST_F(InsertFontTest, TheOutputIsNeverTheSource) {
  WriteFile(context.SourcePath, "\x01");
  context.SourceStream = ReadStream::Open(context.SourcePath);
  context.ReplayLog.Assign({"#Source: x", dir / "sheet.bmp"});
  for (const std::string& output : {dir / "src/menu.fnt", dir / "src/../src/menu.fnt"}) {
    EXPECT_EQ(ErrorMessageOf([&] { InsertFont(context, surface, output, 1); }), "Cannot create file " + output);
  }
  EXPECT_EQ(ReadFile(context.SourcePath), "\x01");
}

TEST(InsertFontRun, ExtractEditAndReplayAFontThroughXitool) {
  TempDir dir;
  test::CurrentDirectoryGuard cwdGuard;
  fs::create_directory(dir / "data");
  std::vector<test::TestGlyph> glyphs(64, test::InkColumns(5, 4, 1, 2));
  const Bytes source = test::FontBytes(4, glyphs);
  WriteFile(dir / "data/menu.fnt", ToString(source));
  const auto run = [&](const std::vector<std::string>& arguments) {
    const auto outcome = test::RunXitool(arguments);
    EXPECT_EQ(outcome.err, "Operation complete!\n");
    return outcome.status;
  };
  ASSERT_EQ(run({"run", "--target", dir / "ex", dir / "data/menu.fnt"}), kExitCompleted);
  EXPECT_EQ(ReadFile(dir / "ex/result.log"),
            "#Format: FNT\r\n#Source: " + (dir / "data/menu.fnt") + "\r\n" + (dir / "ex/menu.bmp") + "\r\n");

  // Edit glyph 0: ink in sheet column 8 (glyph column 6) on its first row.
  RgbImage sheet = DecodeBitmap(ToBytes(ReadFile(dir / "ex/menu.bmp")));
  sheet.At(8, 0) = kSheetWhite;
  WriteFile(dir / "ex/menu.bmp", ToString(EncodeBmp24(sheet)));
  ASSERT_EQ(run({"run", "--kind", "log", "--target", dir / "new", dir / "ex/result.log"}), kExitCompleted);

  const Bytes output = ToBytes(ReadFile(dir / "new/menu.fnt"));
  ASSERT_EQ(Bytes(output.begin(), output.begin() + static_cast<std::ptrdiff_t>(source.size())), source);
  const std::vector<GlyphRecord> all = FontGlyphs(output);
  ASSERT_EQ(all.size(), 128u);
  EXPECT_EQ(all[64].width, 7);  // columns 1..6 and one more
  EXPECT_EQ(GlyphPixel(output, all[64], 5, 0), kInkValue);
  EXPECT_EQ(GlyphPixel(output, all[64], 5, 1), 0);
  EXPECT_EQ(all[65].width, 3);
  EXPECT_EQ(ReadFile(dir / "data/menu.fnt"), ToString(source));
}

}  // namespace
}  // namespace xi
