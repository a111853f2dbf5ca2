#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The font file (.fnt), all values unsigned bytes, no signature or count:
//
//   offset  size            field
//        0     1            FontHeight   pixel rows of every glyph
//        1  to the end      GlyphRecords back to back, glyph 0 first:
//                             0  1                    Width
//                             1  Width * FontHeight   pixels, rows top down,
//                                                     one byte each; 0 empty,
//                                                     any other value ink
//
// A record that runs past the end of the file still counts as a glyph; its
// missing bytes are empty.
namespace xi {

inline constexpr std::uint8_t kInkValue = 31;

// One glyph record of a font file held in memory.
struct GlyphRecord {
  std::size_t offset = 0;  // of its Width byte
  std::uint8_t width = 0;
};

// The glyph records of a font: the records that start before the end of the
// file. An empty file has none.
[[nodiscard]] std::vector<GlyphRecord> FontGlyphs(std::span<const std::uint8_t> font);

// The pixel byte at column c of row r of a glyph; 0 past the end of the file.
[[nodiscard]] std::uint8_t GlyphPixel(std::span<const std::uint8_t> font, const GlyphRecord& glyph, std::size_t column,
                                      std::size_t row);

}  // namespace xi
