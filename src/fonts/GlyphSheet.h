#pragma once

#include <cstdint>
#include <span>

#include "fonts/FontFile.h"
#include "image/Bmp24.h"

// The glyph sheet: a 24-bit bitmap 50 pixels wide that shows each glyph in a
// cell of its own, from the top down in record order. Cell n is FontHeight
// rows from row n * (FontHeight + 10), then 10 gap rows. Column 0 is the
// marker column (white on a cell's rows, black on gap rows), column 1 is
// black, and glyph column c lies in sheet column 2 + c (columns 48 and up of
// a glyph have no place). Ink is white, everything else black.
namespace xi {

inline constexpr std::uint32_t kSheetWidth = 50;
inline constexpr std::uint32_t kCellGap = 10;
inline constexpr std::uint32_t kGlyphOffsetX = 2;

inline constexpr Rgb kSheetBlack{0, 0, 0};
inline constexpr Rgb kSheetWhite{0xFF, 0xFF, 0xFF};

// The sheet's height in rows for a font.
[[nodiscard]] std::uint64_t SheetHeight(std::uint8_t fontHeight, std::size_t glyphCount);

// Draws a glyph's marker and ink into its cell, whose first row is top.
void DrawGlyph(Bmp24Canvas& sheet, std::span<const std::uint8_t> font, const GlyphRecord& glyph,
               std::uint8_t fontHeight, std::uint32_t top);

}  // namespace xi
