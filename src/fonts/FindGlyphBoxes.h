#pragma once

#include <cstdint>
#include <vector>

#include "image/RgbImage.h"

namespace xi {

// A glyph cell found on a sheet, in picture coordinates.
struct GlyphBox {
  std::int32_t Left = 0;    // first column from 1 with a non-background pixel
  std::int32_t Top = 0;     // first row of the cell's marker run
  std::int32_t Right = 0;   // one past the last such column
  std::int32_t Bottom = 0;  // first row after the marker run
  friend bool operator==(const GlyphBox&, const GlyphBox&) = default;
};

// Finds the cells of a sheet as an editor saved it: the marker colour is the
// colour of (0, 0) and the background the colour of (1, 0); a cell is a run
// of rows whose column-0 pixel has the marker colour, and its box spans the
// columns from 1 on that hold any pixel other than the background on those
// rows. A run without such a pixel has no box. Boxes come from the top down.
[[nodiscard]] std::vector<GlyphBox> FindGlyphBoxes(const RgbImage& sheet);

}  // namespace xi
