#include "image/Bmp24.h"

#include <gtest/gtest.h>

namespace xi {
namespace {

TEST(Bmp24, WritesTheFileByteForByte) {
  RgbImage image(3, 2);
  image.At(0, 0) = {0xFF, 0x00, 0x00};  // top row: red, green, blue
  image.At(1, 0) = {0x00, 0xFF, 0x00};
  image.At(2, 0) = {0x00, 0x00, 0xFF};
  image.At(0, 1) = {0x01, 0x02, 0x03};  // bottom row
  image.At(1, 1) = {0x04, 0x05, 0x06};
  image.At(2, 1) = {0x07, 0x08, 0x09};
  const Bytes expected = {
      'B', 'M', 78,   0, 0,    0, 0,    0, 0, 0, 54, 0, 0, 0,         // file header: size 78, rows at 54
      40,  0,   0,    0, 3,    0, 0,    0, 2, 0, 0,  0, 1, 0, 24, 0,  // info header: 3 x 2, 1 plane, 24 bits
      0,   0,   0,    0, 24,   0, 0,    0,                            // no compression, rows 24 bytes
      0,   0,   0,    0, 0,    0, 0,    0, 0, 0, 0,  0, 0, 0, 0,  0,  // resolutions, colours
      3,   2,   1,    6, 5,    4, 9,    8, 7, 0, 0,  0,               // bottom row first, blue green red, padding to 12
      0,   0,   0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0,  0,
  };
  EXPECT_EQ(EncodeBmp24(image), expected);
}

TEST(Bmp24, StrideAndEmptyPictures) {
  EXPECT_EQ(Bmp24Stride(1), 4u);
  EXPECT_EQ(Bmp24Stride(3), 12u);
  EXPECT_EQ(Bmp24Stride(4), 12u);
  EXPECT_EQ(Bmp24Stride(50), 152u);
  EXPECT_TRUE(EncodeBmp24(RgbImage(0, 5)).empty());
  EXPECT_TRUE(EncodeBmp24(RgbImage(5, 0)).empty());
  EXPECT_EQ(EncodeBmp24(RgbImage(1, 1)).size(), 58u);
}

}  // namespace
}  // namespace xi
