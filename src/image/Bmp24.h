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

// The file's header followed by zeroed rows; empty for a width or height of 0.
[[nodiscard]] Bytes Bmp24Frame(std::uint32_t width, std::uint32_t height);

// The file of a width x height picture whose colours come from pixelAt(x, y),
// y counted from the top row. A width or height of 0 gives an empty file.
template <typename PixelAt>
[[nodiscard]] Bytes EncodeBmp24(std::uint32_t width, std::uint32_t height, PixelAt pixelAt) {
  Bytes file = Bmp24Frame(width, height);
  if (file.empty()) return file;
  const auto stride = static_cast<std::size_t>(Bmp24Stride(width));
  std::size_t row = kBmpHeaderSize;
  for (std::uint32_t y = height; y-- > 0; row += stride) {
    std::size_t out = row;
    for (std::uint32_t x = 0; x < width; ++x) {
      const Rgb colour = pixelAt(x, y);
      file[out++] = colour.blue;
      file[out++] = colour.green;
      file[out++] = colour.red;
    }
  }
  return file;
}

[[nodiscard]] Bytes EncodeBmp24(const RgbImage& image);

// A picture drawn straight into its file's bytes, black to begin with.
class Bmp24Canvas {
 public:
  Bmp24Canvas(std::uint32_t width, std::uint32_t height);

  [[nodiscard]] std::uint32_t Width() const { return width_; }
  [[nodiscard]] std::uint32_t Height() const { return height_; }
  // Positions outside the picture are ignored.
  void Set(std::uint32_t x, std::uint32_t y, Rgb colour);
  [[nodiscard]] const Bytes& File() const { return file_; }

 private:
  std::uint32_t width_;
  std::uint32_t height_;
  std::size_t stride_;
  Bytes file_;
};

}  // namespace xi
