#include "fonts/FontFile.h"

#include <gtest/gtest.h>

#include "platform/FileStream.h"

namespace xi {
namespace {

TEST(FontFile, CountsTheRecordsThatStartBeforeTheEnd) {
  const struct {
    const char* what;
    Bytes font;
    std::vector<std::size_t> offsets;
  } cases[] = {
      {"empty file", {}, {}},
      {"FontHeight only", {12}, {}},
      {"two glyphs", {2, 1, 9, 9, 2, 1, 1, 1, 1}, {1, 4}},
      {"last record cut short", {2, 1, 9, 9, 3, 1}, {1, 4}},
      {"Width 0 is one byte", {5, 0, 0, 0}, {1, 2, 3}},
      {"FontHeight 0: every record one byte", {0, 7, 200, 3}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    std::vector<std::size_t> offsets;
    for (const auto& glyph : FontGlyphs(c.font)) offsets.push_back(glyph.offset);
    EXPECT_EQ(offsets, c.offsets) << c.what;
  }
}

TEST(FontFile, PixelsPastTheEndAreEmpty) {
  const Bytes font = {2, 2, 1, 2, 3};  // Width 2, FontHeight 2: one byte missing
  const GlyphRecord glyph = FontGlyphs(font).at(0);
  EXPECT_EQ(glyph.width, 2);
  EXPECT_EQ(GlyphPixel(font, glyph, 1, 0), 2);
  EXPECT_EQ(GlyphPixel(font, glyph, 0, 1), 3);
  EXPECT_EQ(GlyphPixel(font, glyph, 1, 1), 0);
}

}  // namespace
}  // namespace xi
