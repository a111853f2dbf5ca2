#include "fonts/FindGlyphBoxes.h"

#include <algorithm>
#include <optional>

namespace xi {
namespace {

// A position outside the picture has no colour, and equals no colour.
std::optional<Rgb> ColourAt(const RgbImage& sheet, std::uint32_t x, std::uint32_t y) {
  if (x >= sheet.width || y >= sheet.height) return std::nullopt;
  return sheet.At(x, y);
}

bool SameColour(const std::optional<Rgb>& a, const std::optional<Rgb>& b) { return a && b && *a == *b; }

}  // namespace

std::vector<GlyphBox> FindGlyphBoxes(const RgbImage& sheet) {
  const std::optional<Rgb> marker = ColourAt(sheet, 0, 0);
  const std::optional<Rgb> background = ColourAt(sheet, 1, 0);
  std::vector<GlyphBox> boxes;
  for (std::uint32_t y = 0; y < sheet.height; ++y) {
    GlyphBox box{static_cast<std::int32_t>(sheet.width), static_cast<std::int32_t>(y), 0, 0};
    bool seen = false;
    for (; SameColour(ColourAt(sheet, 0, y), marker); ++y) {
      for (std::uint32_t x = 1; x < sheet.width; ++x) {
        if (SameColour(ColourAt(sheet, x, y), background)) continue;
        seen = true;
        box.Left = std::min(box.Left, static_cast<std::int32_t>(x));
        box.Right = std::max(box.Right, static_cast<std::int32_t>(x));
      }
    }
    if (!seen) continue;
    box.Bottom = static_cast<std::int32_t>(y);
    ++box.Right;
    boxes.push_back(box);
  }
  return boxes;
}

}  // namespace xi
