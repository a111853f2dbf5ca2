#include "image/BitmapReader.h"

#include <stb_image.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>

#include "image/Bmp24.h"
#include "platform/Error.h"
#include "platform/FileStream.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Compressions whose rows are stored plain: none, bit fields, alpha bit fields.
constexpr std::uint32_t kPlainRows[] = {0, 3, 6};

Error BitmapNotValid() { return Error("Bitmap image is not valid"); }

struct Header {
  std::uint32_t pixelOffset = 0;
  std::uint32_t infoSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;

  // Rows are stored top first when the height is negative.
  [[nodiscard]] bool TopDown() const { return height < 0; }
  [[nodiscard]] std::uint32_t Rows() const { return Magnitude(height); }
  [[nodiscard]] std::uint32_t Columns() const { return Magnitude(width); }

 private:
  static std::uint32_t Magnitude(std::int32_t value) {
    return value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
  }
};

Header ReadHeader(std::span<const std::uint8_t> file) {
  Header header;
  header.pixelOffset = ReadU32LE(file, 10);
  header.infoSize = ReadU32LE(file, kFileHeaderSize);
  if (!HasBytes(file, kFileHeaderSize, header.infoSize)) throw StreamReadError();
  if (header.infoSize >= kInfoHeaderSize) {
    header.width = static_cast<std::int32_t>(ReadU32LE(file, 18));
    header.height = static_cast<std::int32_t>(ReadU32LE(file, 22));
    header.bitsPerPixel = ReadU16LE(file, 28);
    header.compression = ReadU32LE(file, 30);
  } else if (header.infoSize == kCoreHeaderSize) {
    header.width = ReadU16LE(file, 18);
    header.height = ReadU16LE(file, 20);
    header.bitsPerPixel = ReadU16LE(file, 24);
  }
  return header;
}

// Plain rows must all be there before any pixel is decoded, so a header
// cannot make the reader allocate for rows the file does not hold.
void CheckRowsPresent(std::span<const std::uint8_t> file, const Header& header) {
  if (std::find(std::begin(kPlainRows), std::end(kPlainRows), header.compression) == std::end(kPlainRows)) return;
  const std::uint64_t height = header.Rows();
  const std::uint64_t stride = (std::uint64_t{header.bitsPerPixel} * header.Columns() + 31) / 32 * 4;
  if (height != 0 && stride > (file.size() / height)) throw StreamReadError();
  if (!HasBytes(file, header.pixelOffset, stride * height)) throw StreamReadError();
}

bool IsOwnLayout(const Header& header) {
  return header.infoSize == kInfoHeaderSize && header.bitsPerPixel == 24 && header.compression == 0 &&
         header.width >= 0 && header.height != std::numeric_limits<std::int32_t>::min();
}

// Our own 24-bit layout: rows bottom first (or top first for a negative
// height), blue, green, red, padded to four bytes.
RgbImage DecodeOwnLayout(std::span<const std::uint8_t> file, const Header& header) {
  const std::uint32_t width = header.Columns();
  const bool topDown = header.TopDown();
  const std::uint32_t height = header.Rows();
  const std::uint64_t stride = Bmp24Stride(width);
  RgbImage image(width, height);
  for (std::uint32_t row = 0; row < height; ++row) {
    const std::uint32_t y = topDown ? row : height - 1 - row;
    std::size_t at = static_cast<std::size_t>(header.pixelOffset + stride * row);
    for (std::uint32_t x = 0; x < width; ++x, at += 3) image.At(x, y) = {file[at + 2], file[at + 1], file[at]};
  }
  return image;
}

struct StbFree {
  void operator()(stbi_uc* pixels) const noexcept { stbi_image_free(pixels); }
};

// Every other variant, through stb_image.
RgbImage DecodeOtherLayout(std::span<const std::uint8_t> file) {
  if (file.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) throw BitmapNotValid();
  int width = 0;
  int height = 0;
  int channels = 0;
  const std::unique_ptr<stbi_uc, StbFree> pixels(
      stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 3));
  if (!pixels || width < 0 || height < 0) throw BitmapNotValid();
  RgbImage image(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
  const stbi_uc* source = pixels.get();
  for (Rgb& pixel : image.pixels) {
    pixel = {source[0], source[1], source[2]};
    source += 3;
  }
  return image;
}

}  // namespace

RgbImage DecodeBitmap(std::span<const std::uint8_t> file) {
  if (file.empty()) return {};
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') throw BitmapNotValid();
  if (file.size() < kFileHeaderSize + 4) throw StreamReadError();
  const Header header = ReadHeader(file);
  CheckRowsPresent(file, header);
  return IsOwnLayout(header) ? DecodeOwnLayout(file, header) : DecodeOtherLayout(file);
}

RgbImage ReadBitmapFile(const std::string& path) { return DecodeBitmap(ReadWholeFile(path)); }

}  // namespace xi
