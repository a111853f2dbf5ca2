#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "image/RgbImage.h"
#include "platform/FileStream.h"

// The 16-bit image layout of .gfx entries (integers little-endian):
//
//   offset  size     field
//        0     2     width W, u16
//        2     2     height H, u16
//        4  2*W*H    H rows, top row first, W pixels each, no padding;
//                    each pixel u16 RGB565: red 15-11, green 10-5, blue 4-0
//
// Bytes beyond 4 + 2*W*H are ignored.
namespace xi {

struct GfxImage {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::vector<std::uint16_t> pixels;  // RGB565, top row first
};

// Never fails: pixels (or header fields) the bytes do not cover are 0.
[[nodiscard]] GfxImage DecodeGfxImage(std::span<const std::uint8_t> bytes);
[[nodiscard]] Bytes EncodeGfxImage(const GfxImage& image);

// RGB565 to 24 bits: each channel's top bits are repeated in its low bits, so
// 0x1F becomes 0xFF and white stays white.
[[nodiscard]] Rgb Widen565(std::uint16_t pixel);
// 24 bits to RGB565: the low bits are dropped, no rounding. Narrowing a
// widened pixel gives the pixel back.
[[nodiscard]] std::uint16_t Narrow565(Rgb colour);

// The 24-bit bitmap file of an image entry, widened straight from the entry's
// bytes: pixels the bytes do not cover are black. Never fails.
[[nodiscard]] Bytes GfxImageToBmp24(std::span<const std::uint8_t> bytes);

// The RGB565 image of a picture; a width or height above 65,535 keeps its low
// 16 bits, and the top-left part of that size is taken.
[[nodiscard]] GfxImage NarrowToGfxImage(const RgbImage& image);

}  // namespace xi
