#include "fonts/FontFile.h"

namespace xi {

std::vector<GlyphRecord> FontGlyphs(std::span<const std::uint8_t> font) {
  std::vector<GlyphRecord> glyphs;
  if (font.empty()) return glyphs;
  const std::uint8_t fontHeight = font[0];
  for (std::size_t offset = 1; offset < font.size();) {
    const std::uint8_t width = font[offset];
    glyphs.push_back({offset, width});
    offset += 1 + std::size_t{width} * fontHeight;
  }
  return glyphs;
}

std::uint8_t GlyphPixel(std::span<const std::uint8_t> font, const GlyphRecord& glyph, std::size_t column,
                        std::size_t row) {
  const std::size_t at = glyph.offset + 1 + row * glyph.width + column;
  return at < font.size() ? font[at] : std::uint8_t{0};
}

}  // namespace xi
