#include "image/BitmapReader.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "image/Bmp24.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {

using test::ErrorMessageOf;

const Rgb kRed{0xFF, 0, 0};
const Rgb kGreen{0, 0xFF, 0};
const Rgb kBlue{0, 0, 0xFF};
const Rgb kWhite{0xFF, 0xFF, 0xFF};

// The 2 x 2 picture every variant below holds: red, green over blue, white.
RgbImage Expected() {
  RgbImage image(2, 2);
  image.pixels = {kRed, kGreen, kBlue, kWhite};
  return image;
}

struct Variant {
  std::int32_t height = 2;  // negative: rows top first
  std::uint16_t bitsPerPixel = 24;
  std::uint32_t compression = 0;
  std::uint32_t infoSize = 40;
  Bytes extra;  // bit masks or colour table, after the information header
  Bytes rows;   // as stored, each padded to four bytes
};

Bytes BitmapFile(const Variant& variant) {
  const std::size_t pixelOffset = 14 + variant.infoSize + variant.extra.size();
  Bytes file(pixelOffset, 0);
  file[0] = 'B';
  file[1] = 'M';
  WriteU32LE(file, 2, static_cast<std::uint32_t>(pixelOffset + variant.rows.size()));
  WriteU32LE(file, 10, static_cast<std::uint32_t>(pixelOffset));
  WriteU32LE(file, 14, variant.infoSize);
  WriteU32LE(file, 18, 2);
  WriteU32LE(file, 22, static_cast<std::uint32_t>(variant.height));
  WriteU16LE(file, 26, 1);
  WriteU16LE(file, 28, variant.bitsPerPixel);
  WriteU32LE(file, 30, variant.compression);
  std::copy(variant.extra.begin(), variant.extra.end(), file.begin() + 14 + variant.infoSize);
  file.insert(file.end(), variant.rows.begin(), variant.rows.end());
  return file;
}

Bytes U32s(std::initializer_list<std::uint32_t> values) {
  Bytes bytes;
  for (const std::uint32_t value : values) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  return bytes;
}

TEST(BitmapReader, ReadsOurOwnLayoutByteForByte) {
  RgbImage odd(3, 2);
  for (std::size_t i = 0; i < odd.pixels.size(); ++i) {
    odd.pixels[i] = {static_cast<std::uint8_t>(i * 40 + 1), static_cast<std::uint8_t>(i * 7 + 2),
                     static_cast<std::uint8_t>(255 - i)};
  }
  const RgbImage read = DecodeBitmap(EncodeBmp24(odd));
  EXPECT_EQ(read.width, 3u);
  EXPECT_EQ(read.height, 2u);
  EXPECT_EQ(read.pixels, odd.pixels);
}

TEST(BitmapReader, ReadsTheVariantsImageEditorsSave) {
  const struct {
    const char* what;
    Variant variant;
  } cases[] = {
      {"24-bit, rows top first",
       {-2, 24, 0, 40, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0}}},
      {"32-bit", {2, 32, 0, 40, {}, {0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0}}},
      {"16-bit 5-5-5", {2, 16, 0, 40, {}, {0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03}}},
      {"16-bit 5-6-5 bit fields",
       {2, 16, 3, 40, U32s({0xF800, 0x07E0, 0x001F}), {0x1F, 0x00, 0xFF, 0xFF, 0x00, 0xF8, 0xE0, 0x07}}},
      {"8-bit colour table", {2, 8, 0, 40, U32s({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}), {2, 3, 0, 0, 0, 1, 0, 0}}},
      {"4-bit colour table",
       {2, 4, 0, 40, U32s({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}), {0x23, 0, 0, 0, 0x01, 0, 0, 0}}},
      {"V5 header, 32-bit bit fields",
       {2, 32, 3, 124, {}, {0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0}}},
  };
  for (auto c : cases) {
    if (c.variant.infoSize == 124) {
      Bytes file = BitmapFile(c.variant);
      const Bytes masks = U32s({0x00FF0000, 0x0000FF00, 0x000000FF, 0});
      std::copy(masks.begin(), masks.end(), file.begin() + 54);
      EXPECT_EQ(DecodeBitmap(file).pixels, Expected().pixels) << c.what;
      continue;
    }
    const RgbImage read = DecodeBitmap(BitmapFile(c.variant));
    EXPECT_EQ(read.width, 2u) << c.what;
    EXPECT_EQ(read.pixels, Expected().pixels) << c.what;
  }
  // 1-bit: black and white only.
  const RgbImage mono =
      DecodeBitmap(BitmapFile({2, 1, 0, 40, U32s({0x000000, 0xFFFFFF}), {0x40, 0, 0, 0, 0x80, 0, 0, 0}}));
  EXPECT_EQ(mono.pixels, (std::vector<Rgb>{kWhite, Rgb{}, Rgb{}, kWhite}));
}

TEST(BitmapReader, BadFilesFailWithTheSystemsMessages) {
  const Bytes own = EncodeBmp24(Expected());
  const struct {
    const char* what;
    Bytes file;
    const char* message;
  } cases[] = {
      {"not a bitmap", test::ToBytes("GIF89a......................................................"),
       "Bitmap image is not valid"},
      {"one byte", test::ToBytes("B"), "Bitmap image is not valid"},
      {"shorter than the file header", test::ToBytes("BM\x10\x00"), "Stream read error"},
      {"shorter than the information header", Bytes(own.begin(), own.begin() + 30), "Stream read error"},
      {"rows cut short", Bytes(own.begin(), own.end() - 1), "Stream read error"},
      {"32-bit rows cut short", BitmapFile({2, 32, 0, 40, {}, Bytes(15, 0)}), "Stream read error"},
      {"huge rows claimed", BitmapFile({-40000, 8, 0, 40, U32s({0, 0}), Bytes(8, 0)}), "Stream read error"},
      {"run-length encoded", BitmapFile({2, 8, 1, 40, U32s({0, 0}), {2, 0, 0, 1}}), "Bitmap image is not valid"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorMessageOf([&] { (void)DecodeBitmap(c.file); }), c.message) << c.what;
  EXPECT_EQ(DecodeBitmap(Bytes{}).pixels.size(), 0u);  // an empty file: an empty picture
  test::TempDir dir;
  EXPECT_EQ(ErrorMessageOf([&] { (void)ReadBitmapFile(dir.Path()); }), "Cannot open file " + dir.Path());
}

}  // namespace
}  // namespace xi
