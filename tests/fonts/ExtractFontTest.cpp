#include "fonts/ExtractFont.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "fonts/GlyphSheet.h"
#include "fonts/TestFont.h"
#include "image/BitmapReader.h"
#include "jobs/RecordingSurface.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::ReadFile;
using test::TempDir;
using test::ToString;
using test::WriteFile;
using Lines = std::vector<std::string>;

class ExtractFontTest : public testing::Test {
 protected:
  ExtractFontTest() {
    std::filesystem::create_directories(dir / "data");
    std::filesystem::create_directories(dir / "out");
    context.TargetDir = dir / "out";
  }

  RgbImage Extract(const Bytes& font, const std::string& name = "menu.fnt") {
    WriteFile(dir / ("data/" + name), ToString(font));
    ExtractFont(context, surface, dir / ("data/" + name));
    return DecodeBitmap(test::ToBytes(ReadFile(context.ResultLog.Lines().back())));
  }

  TempDir dir;
  RunContext context;
  RecordingSurface surface;
};

TEST_F(ExtractFontTest, WritesTheSheetOfATinyFontByteForByte) {
  // FontHeight 1, one glyph of Width 2: ink, empty.
  Extract(test::FontBytes(1, {{2, {31, 0}}}));
  Bytes expected = {'B', 'M', 0xBE, 0x06, 0,    0,    0, 0, 0,  0, 54, 0, 0, 0,         // 54 + 152 * 11 = 1726
                    40,  0,   0,    0,    50,   0,    0, 0, 11, 0, 0,  0, 1, 0, 24, 0,  // 50 x 11
                    0,   0,   0,    0,    0x88, 0x06, 0, 0};                            // rows: 1672 bytes
  expected.resize(54, 0);
  Bytes rows(152 * 11, 0);  // ten gap rows (bottom first), all black
  const std::size_t top = 152 * 10;
  for (const std::size_t x : {0u, 2u}) {
    for (std::size_t b = 0; b < 3; ++b) rows[top + 3 * x + b] = 0xFF;  // marker and ink
  }
  expected.insert(expected.end(), rows.begin(), rows.end());
  EXPECT_EQ(ReadFile(dir / "out/menu.bmp"), ToString(expected));
  EXPECT_EQ(context.ResultLog.Lines(), Lines{dir / "out/menu.bmp"});
  EXPECT_EQ(surface.statusTexts, Lines{"Processing menu.fnt..."});
  EXPECT_EQ(context.TotalBytes, 1726u);
  EXPECT_EQ(surface.counterText, "Extracted: 1");
}

TEST_F(ExtractFontTest, SheetGeometry) {
  std::vector<test::TestGlyph> glyphs(64, test::InkColumns(3, 12, 0, 2));
  const RgbImage sheet = Extract(test::FontBytes(12, glyphs));
  EXPECT_EQ(sheet.width, 50u);
  EXPECT_EQ(sheet.height, 1408u);
  EXPECT_EQ(sheet.At(0, 21), kSheetBlack);  // gap row of cell 0
  EXPECT_EQ(sheet.At(0, 22), kSheetWhite);  // glyph 1's marker starts here
  EXPECT_EQ(sheet.At(0, 33), kSheetWhite);
  EXPECT_EQ(sheet.At(0, 34), kSheetBlack);
  EXPECT_EQ(sheet.At(1, 22), kSheetBlack);
  EXPECT_EQ(sheet.At(4, 22), kSheetWhite);
  EXPECT_EQ(sheet.At(5, 22), kSheetBlack);
  EXPECT_EQ(surface.progressShown.front(), 0);
  EXPECT_EQ(surface.ProgressPosition(), 98);  // 63 * 100 / 64: never 100
}

TEST_F(ExtractFontTest, AnyNonZeroByteIsInkAndWideOrCutGlyphsKeepTheirPlace) {
  test::TestGlyph wide{60, std::vector<std::uint8_t>(60, 31)};
  // Pixel bytes 1, 31 and 255; a wide glyph; a last record cut short.
  const Bytes font = test::FontBytes(1, {{3, {1, 31, 255}}, wide, {4, {7, 7}}});
  const RgbImage sheet = Extract(font);
  EXPECT_EQ(sheet.height, 33u);
  for (std::uint32_t x = 2; x < 5; ++x) EXPECT_EQ(sheet.At(x, 0), kSheetWhite) << x;
  EXPECT_EQ(sheet.At(49, 11), kSheetWhite);  // glyph column 47
  EXPECT_EQ(sheet.At(0, 22), kSheetWhite);   // the cut record still has its cell
  EXPECT_EQ(sheet.At(3, 22), kSheetWhite);
  EXPECT_EQ(sheet.At(4, 22), kSheetBlack);  // its missing bytes are empty
}

TEST_F(ExtractFontTest, FontsWithoutGlyphsOrHeight) {
  for (const Bytes& font : {Bytes{}, Bytes{12}}) {
    context.ResultLog.Clear();
    WriteFile(dir / "data/empty.fnt", ToString(font));
    ExtractFont(context, surface, dir / "data/empty.fnt");
    EXPECT_EQ(ReadFile(dir / "out/empty.bmp"), "");
    EXPECT_EQ(context.ResultLog.Lines(), Lines{dir / "out/empty.bmp"});
  }
  const RgbImage flat = Extract(Bytes{0, 5, 9, 0});  // FontHeight 0: three one-byte records
  EXPECT_EQ(flat.height, 30u);
  for (const Rgb& pixel : flat.pixels) ASSERT_EQ(pixel, kSheetBlack);
}

TEST_F(ExtractFontTest, SheetNamesAndFailures) {
  Extract(test::FontBytes(1, {{1, {1}}}), "big.font.fnt");
  Extract(test::FontBytes(1, {{1, {1}}}), "plain");
  EXPECT_EQ(test::ListDirectory(dir / "out"), "big.font.bmp plain.bmp");
  EXPECT_EQ(ErrorMessageOf([&] { ExtractFont(context, surface, dir / "data/gone.fnt"); }),
            "Cannot open file " + (dir / "data/gone.fnt"));
  std::filesystem::create_directory(dir / "out/taken.bmp");
  WriteFile(dir / "data/taken.fnt", "\x01\x01\x01");
  context.ResultLog.Clear();
  EXPECT_EQ(ErrorMessageOf([&] { ExtractFont(context, surface, dir / "data/taken.fnt"); }),
            "Cannot create file " + (dir / "out/taken.bmp"));
  EXPECT_TRUE(context.ResultLog.Empty());
  // A font named like its own sheet, extracted into its own folder, stays.
  context.TargetDir = dir / "data";
  WriteFile(dir / "data/odd.bmp", "\x01\x01\x01");
  EXPECT_EQ(ErrorMessageOf([&] { ExtractFont(context, surface, dir / "data/odd.bmp"); }),
            "Cannot create file " + (dir / "data/odd.bmp"));
  EXPECT_EQ(ReadFile(dir / "data/odd.bmp"), "\x01\x01\x01");
}

}  // namespace
}  // namespace xi
