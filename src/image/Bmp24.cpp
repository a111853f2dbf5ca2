#include "image/Bmp24.h"

#include <span>

#include "platform/LittleEndian.h"

namespace xi {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kPlanes = 1;
constexpr std::uint16_t kBitsPerPixel = 24;

void WriteHeader(std::span<std::uint8_t> file, std::uint32_t width, std::uint32_t height, std::uint32_t rowsSize) {
  file[0] = 'B';
  file[1] = 'M';
  WriteU32LE(file, 2, static_cast<std::uint32_t>(kBmpHeaderSize) + rowsSize);
  WriteU32LE(file, 10, static_cast<std::uint32_t>(kBmpHeaderSize));
  WriteU32LE(file, 14, kInfoHeaderSize);
  WriteU32LE(file, 18, width);
  WriteU32LE(file, 22, height);
  WriteU16LE(file, 26, kPlanes);
  WriteU16LE(file, 28, kBitsPerPixel);
  WriteU32LE(file, 34, rowsSize);
  // compression, resolutions and colour counts stay 0
}

}  // namespace

std::uint64_t Bmp24Stride(std::uint32_t width) { return (std::uint64_t{24} * width + 31) / 32 * 4; }

Bytes Bmp24Frame(std::uint32_t width, std::uint32_t height) {
  if (width == 0 || height == 0) return {};
  const std::uint64_t rowsSize = Bmp24Stride(width) * height;
  Bytes file(static_cast<std::size_t>(kBmpHeaderSize + rowsSize), 0);
  WriteHeader(file, width, height, static_cast<std::uint32_t>(rowsSize));
  return file;
}

Bytes EncodeBmp24(const RgbImage& image) {
  return EncodeBmp24(image.width, image.height, [&image](std::uint32_t x, std::uint32_t y) { return image.At(x, y); });
}

Bmp24Canvas::Bmp24Canvas(std::uint32_t width, std::uint32_t height)
    : width_(width),
      height_(height),
      stride_(static_cast<std::size_t>(Bmp24Stride(width))),
      file_(Bmp24Frame(width, height)) {}

void Bmp24Canvas::Set(std::uint32_t x, std::uint32_t y, Rgb colour) {
  if (x >= width_ || y >= height_) return;
  const std::size_t at = kBmpHeaderSize + stride_ * (height_ - 1 - y) + 3 * std::size_t{x};
  file_[at] = colour.blue;
  file_[at + 1] = colour.green;
  file_[at + 2] = colour.red;
}

}  // namespace xi
