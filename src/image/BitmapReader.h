#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "image/RgbImage.h"

namespace xi {

// Reads a bitmap file as an image editor may have saved it: our own 24-bit
// layout (see Bmp24.h) byte for byte, and beyond it 32-bit, 16-bit (5-5-5,
// 5-6-5, bit fields), 8/4/1-bit with a colour table, top-down rows and the
// V4/V5 headers. An empty file is an empty picture (extraction writes an
// image of no pixels as an empty file). Errors:
//   "Cannot open file <path>"     it cannot be read (a directory, say);
//   "Bitmap image is not valid"   it does not begin with "BM", or its pixels
//                                 cannot be read;
//   "Stream read error"           it is shorter than its headers, or than
//                                 the rows its header promises.
[[nodiscard]] RgbImage ReadBitmapFile(const std::string& path);
[[nodiscard]] RgbImage DecodeBitmap(std::span<const std::uint8_t> file);

}  // namespace xi
