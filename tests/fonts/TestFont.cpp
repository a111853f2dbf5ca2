#include "fonts/TestFont.h"

#include "fonts/GlyphSheet.h"

namespace xi::test {

Bytes FontBytes(std::uint8_t fontHeight, const std::vector<TestGlyph>& glyphs) {
  Bytes font = {fontHeight};
  for (const auto& glyph : glyphs) {
    font.push_back(glyph.width);
    font.insert(font.end(), glyph.pixels.begin(), glyph.pixels.end());
  }
  return font;
}

TestGlyph InkColumns(std::uint8_t width, std::uint8_t fontHeight, std::uint8_t firstInk, std::uint8_t lastInk) {
  TestGlyph glyph{width, std::vector<std::uint8_t>(std::size_t{width} * fontHeight, 0)};
  for (std::size_t row = 0; row < fontHeight; ++row) {
    for (std::size_t column = firstInk; column <= lastInk && column < width; ++column) {
      glyph.pixels[row * width + column] = kInkValue;
    }
  }
  return glyph;
}

RgbImage BlankSheet(std::uint8_t fontHeight, std::size_t cells) {
  RgbImage sheet(kSheetWidth, static_cast<std::uint32_t>(SheetHeight(fontHeight, cells)));
  for (std::size_t cell = 0; cell < cells; ++cell) {
    for (std::uint32_t row = 0; row < fontHeight; ++row) {
      sheet.At(0, static_cast<std::uint32_t>(cell * (fontHeight + kCellGap)) + row) = kSheetWhite;
    }
  }
  return sheet;
}

}  // namespace xi::test
