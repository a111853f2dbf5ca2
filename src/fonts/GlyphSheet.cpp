#include "fonts/GlyphSheet.h"

namespace xi {

std::uint64_t SheetHeight(std::uint8_t fontHeight, std::size_t glyphCount) {
  return (std::uint64_t{fontHeight} + kCellGap) * glyphCount;
}

void DrawGlyph(Bmp24Canvas& sheet, std::span<const std::uint8_t> font, const GlyphRecord& glyph,
               std::uint8_t fontHeight, std::uint32_t top) {
  const std::size_t columns = std::min<std::size_t>(glyph.width, kSheetWidth - kGlyphOffsetX);
  for (std::uint32_t row = 0; row < fontHeight; ++row) {
    sheet.Set(0, top + row, kSheetWhite);
    for (std::size_t column = 0; column < columns; ++column) {
      if (GlyphPixel(font, glyph, column, row) != 0) {
        sheet.Set(kGlyphOffsetX + static_cast<std::uint32_t>(column), top + row, kSheetWhite);
      }
    }
  }
}

}  // namespace xi
