#include "doublepack/GfxImage.h"

#include "image/Bmp24.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {

constexpr std::size_t kGfxHeaderSize = 4;

std::uint16_t ReadU16OrZero(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return HasBytes(bytes, offset, 2) ? ReadU16LE(bytes, offset) : std::uint16_t{0};
}

}  // namespace

GfxImage DecodeGfxImage(std::span<const std::uint8_t> bytes) {
  GfxImage image;
  image.width = ReadU16OrZero(bytes, 0);
  image.height = ReadU16OrZero(bytes, 2);
  const std::size_t count = std::size_t{image.width} * image.height;
  image.pixels.assign(count, 0);
  const std::size_t covered = bytes.size() > kGfxHeaderSize ? std::min(count, (bytes.size() - kGfxHeaderSize) / 2) : 0;
  for (std::size_t i = 0; i < covered; ++i) image.pixels[i] = ReadU16LE(bytes, kGfxHeaderSize + 2 * i);
  return image;
}

Bytes EncodeGfxImage(const GfxImage& image) {
  Bytes bytes(kGfxHeaderSize + 2 * image.pixels.size());
  WriteU16LE(bytes, 0, image.width);
  WriteU16LE(bytes, 2, image.height);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) WriteU16LE(bytes, kGfxHeaderSize + 2 * i, image.pixels[i]);
  return bytes;
}

Rgb Widen565(std::uint16_t pixel) {
  const unsigned red = (pixel >> 11) & 0x1Fu;
  const unsigned green = (pixel >> 5) & 0x3Fu;
  const unsigned blue = pixel & 0x1Fu;
  return {static_cast<std::uint8_t>((red << 3) | (red >> 2)), static_cast<std::uint8_t>((green << 2) | (green >> 4)),
          static_cast<std::uint8_t>((blue << 3) | (blue >> 2))};
}

std::uint16_t Narrow565(Rgb colour) {
  return static_cast<std::uint16_t>(((colour.red >> 3) << 11) | ((colour.green >> 2) << 5) | (colour.blue >> 3));
}

Bytes GfxImageToBmp24(std::span<const std::uint8_t> bytes) {
  const std::uint16_t width = ReadU16OrZero(bytes, 0);
  const std::uint16_t height = ReadU16OrZero(bytes, 2);
  return EncodeBmp24(width, height, [bytes, width](std::uint32_t x, std::uint32_t y) {
    return Widen565(ReadU16OrZero(bytes, kGfxHeaderSize + 2 * (std::size_t{y} * width + x)));
  });
}

GfxImage NarrowToGfxImage(const RgbImage& image) {
  GfxImage gfx;
  gfx.width = static_cast<std::uint16_t>(image.width);
  gfx.height = static_cast<std::uint16_t>(image.height);
  gfx.pixels.resize(std::size_t{gfx.width} * gfx.height);
  for (std::uint32_t y = 0; y < gfx.height; ++y) {
    for (std::uint32_t x = 0; x < gfx.width; ++x)
      gfx.pixels[std::size_t{y} * gfx.width + x] = Narrow565(image.At(x, y));
  }
  return gfx;
}

}  // namespace xi
