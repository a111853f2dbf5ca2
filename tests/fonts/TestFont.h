#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image/RgbImage.h"
#include "platform/FileStream.h"

namespace xi::test {

// A glyph for a test font: its width and its rows of pixel bytes.
struct TestGlyph {
  std::uint8_t width = 0;
  std::vector<std::uint8_t> pixels;  // width * FontHeight bytes, rows top down
};

[[nodiscard]] Bytes FontBytes(std::uint8_t fontHeight, const std::vector<TestGlyph>& glyphs);

// A glyph of the given width whose ink fills the given columns on every row.
[[nodiscard]] TestGlyph InkColumns(std::uint8_t width, std::uint8_t fontHeight, std::uint8_t firstInk,
                                   std::uint8_t lastInk);

// A sheet as extraction draws it, for `cells` cells: markers white, the given
// glyph pictures drawn with ink.
[[nodiscard]] RgbImage BlankSheet(std::uint8_t fontHeight, std::size_t cells);

}  // namespace xi::test
