#pragma once

#include "image/RgbImage.h"
#include "platform/FileStream.h"

// The 24-bit bitmap file the tool writes (all integers little-endian; S is
// the row stride, 3 * width rounded up to a multiple of 4):
//
//   offset  size  field                    value
//        0     2  signature                "BM"
//        2     4  file size                54 + S * height
//        6     4  reserved (2 x u16)       0
//       10     4  offset of pixel rows     54
//       14     4  information header size  40
//       18     4  width                    width
//       22     4  height                   height (positive: bottom row first)
//       26     2  planes                   1
//       28     2  bits per pixel           24
//       30     4  compression              0
//       34     4  size of pixel rows       S * height
//       38    16  resolutions, colours     0
//       54  S*height  rows, bottom row first: blue, green, red per pixel,
//                     then zero bytes up to S
//
// No colour table, no bit masks.
namespace xi {

inline constexpr std::size_t kBmpHeaderSize = 54;

[[nodiscard]] std::uint64_t Bmp24Stride(std::uint32_t width);

// The file's bytes; a picture of width or height 0 is an empty file.
[[nodiscard]] Bytes EncodeBmp24(const RgbImage& image);

}  // namespace xi
