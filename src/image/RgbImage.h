#pragma once

#include <cstdint>
#include <vector>

namespace xi {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture of 24-bit colours, top row first, rows without padding.
struct RgbImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<Rgb> pixels;

  RgbImage() = default;
  RgbImage(std::uint32_t w, std::uint32_t h) : width(w), height(h), pixels(std::size_t{w} * h) {}
  [[nodiscard]] Rgb& At(std::uint32_t x, std::uint32_t y) { return pixels[std::size_t{y} * width + x]; }
  [[nodiscard]] const Rgb& At(std::uint32_t x, std::uint32_t y) const { return pixels[std::size_t{y} * width + x]; }
};

}  // namespace xi
