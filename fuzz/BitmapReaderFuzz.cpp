// Decodes arbitrary bytes as a bitmap file and narrows the picture as
// insertion does.
#include <cstddef>
#include <cstdint>
#include <span>

#include "doublepack/GfxImage.h"
#include "image/BitmapReader.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const xi::RgbImage picture = xi::DecodeBitmap(std::span(data, size));
    if (picture.pixels.size() != std::size_t{picture.width} * picture.height) __builtin_trap();
    const xi::Bytes gfx = xi::EncodeGfxImage(xi::NarrowToGfxImage(picture));
    if (gfx.size() < 4) __builtin_trap();
  } catch (const xi::Error&) {
  }
  return 0;
}
