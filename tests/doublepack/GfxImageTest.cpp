#include "doublepack/GfxImage.h"

#include <gtest/gtest.h>

#include "doublepack/TestArchive.h"
#include "image/Bmp24.h"

namespace xi {
namespace {

TEST(GfxImage, DecodesAndEncodesTheLayout) {
  const Bytes bytes = test::GfxBytes(3, 2, {1, 2, 3, 4, 5, 0xF800});
  EXPECT_EQ(bytes.size(), 16u);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), Bytes({3, 0, 2, 0, 1, 0}));
  const GfxImage image = DecodeGfxImage(bytes);
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.pixels, (std::vector<std::uint16_t>{1, 2, 3, 4, 5, 0xF800}));
  EXPECT_EQ(EncodeGfxImage(image), bytes);
}

TEST(GfxImage, AShortEntryIsPartlyCoveredAndNeverFails) {
  Bytes bytes = test::GfxBytes(2, 2, {0x1111, 0x2222, 0x3333, 0x4444});
  bytes.resize(7);  // one pixel and a half
  EXPECT_EQ(DecodeGfxImage(bytes).pixels, (std::vector<std::uint16_t>{0x1111, 0, 0, 0}));
  EXPECT_EQ(DecodeGfxImage(Bytes{5}).width, 0);
  EXPECT_TRUE(DecodeGfxImage(Bytes{}).pixels.empty());
  const Bytes longer = [] {
    Bytes b = test::GfxBytes(1, 1, {7});
    b.push_back(0xEE);
    return b;
  }();
  EXPECT_EQ(DecodeGfxImage(longer).pixels, std::vector<std::uint16_t>{7});
}

TEST(GfxImage, BecomesABitmapWithUncoveredPixelsBlack) {
  Bytes bytes = test::GfxBytes(2, 2, {0xFFFF, 0xF800, 0x07E0, 0x001F});
  bytes.resize(8);  // two of four pixels
  RgbImage expected(2, 2);
  expected.At(0, 0) = {0xFF, 0xFF, 0xFF};
  expected.At(1, 0) = {0xFF, 0, 0};
  EXPECT_EQ(GfxImageToBmp24(bytes), EncodeBmp24(expected));
  EXPECT_TRUE(GfxImageToBmp24(test::GfxBytes(0, 7, {})).empty());
  EXPECT_TRUE(GfxImageToBmp24(Bytes{1, 0}).empty());
}

TEST(GfxImage, NarrowingKeepsTheTopLeftPartOfAPictureTooLarge) {
  RgbImage wide(65537, 2);
  wide.At(0, 0) = {0xFF, 0xFF, 0xFF};
  wide.At(0, 1) = {0xFF, 0, 0};
  const GfxImage gfx = NarrowToGfxImage(wide);
  EXPECT_EQ(gfx.width, 1);  // 65537 keeps its low 16 bits
  EXPECT_EQ(gfx.height, 2);
  EXPECT_EQ(gfx.pixels, (std::vector<std::uint16_t>{0xFFFF, 0xF800}));
}

TEST(GfxImage, WideningRepeatsTopBitsAndNarrowingDropsLowBits) {
  EXPECT_EQ(Widen565(0xF800), (Rgb{0xFF, 0, 0}));
  EXPECT_EQ(Widen565(0xFFFF), (Rgb{0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(Widen565(0x0000), (Rgb{0, 0, 0}));
  EXPECT_EQ(Narrow565(Rgb{0xF8, 0x03, 0x07}), 0xF800);
  EXPECT_EQ(Narrow565(Rgb{0xFF, 0xFE, 0xF9}), 0xFFFF);
  for (std::uint32_t pixel = 0; pixel <= 0xFFFF; ++pixel) {
    const auto p = static_cast<std::uint16_t>(pixel);
    const Rgb wide = Widen565(p);
    ASSERT_EQ(Narrow565(wide), p);
    ASSERT_EQ(wide.red >> 3, p >> 11);  // the top bits are the pixel's own
  }
}

}  // namespace
}  // namespace xi
