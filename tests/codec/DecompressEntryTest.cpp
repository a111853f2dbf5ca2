#include "codec/DecompressEntry.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "codec/TestLzwEncoder.h"

namespace xi {
namespace {

using test::ErrorMessageOf;

Bytes B(std::initializer_list<int> values) {
  Bytes bytes;
  for (const int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes Decompress(const Bytes& packed, std::uint32_t unpackedSize) {
  Bytes output;
  DecompressEntry(packed, output, unpackedSize);
  return output;
}

const Bytes kAbababa = B({0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0x41, 0x84, 0x08, 0x24, 0x18, 0x10});
const Bytes kAbababaEndingInClear = B({0, 0, 0, 0, 7, 0, 0, 0, 1, 0, 0, 0, 0x41, 0x84, 0x08, 0x24, 0x08, 0x10});

TEST(DecompressEntry, WorkedExamples) {
  EXPECT_EQ(Decompress(kAbababa, 7), Text("ABABABA"));
  EXPECT_EQ(Decompress(kAbababa, 100), Text("ABABABA"));  // the end code gives the bytes written
  EXPECT_EQ(Decompress(kAbababaEndingInClear, 7), Text("ABABABA"));
  EXPECT_EQ(Decompress(kAbababaEndingInClear, 9), Text(std::string_view("ABABABA\0\0", 9)));  // the whole buffer
  // Seven "a": 258 and 259 are each read while equal to the next code to assign.
  EXPECT_EQ(Decompress(test::PackCodes({{97, 9}, {258, 9}, {259, 9}, {97, 9}, {257, 9}}), 7), Text("aaaaaaa"));
}

TEST(DecompressEntry, HeaderWordsAndTheOutputsPositionDoNotMatter) {
  Bytes packed = kAbababa;
  for (std::size_t i = 0; i < 8; ++i) packed[i] = 0xA5;
  Bytes output = Text("xy");
  DecompressEntry(packed, output, 7);
  EXPECT_EQ(output, Text("xyABABABA"));  // appended at the output's position
}

TEST(DecompressEntry, ClearCountCountsDownInUnsigned32BitArithmetic) {
  const std::vector<std::pair<std::uint32_t, unsigned>> codes = {{65, 9}, {256, 9}, {66, 9}, {256, 9},
                                                                 {67, 9}, {256, 9}, {68, 9}, {257, 9}};
  EXPECT_EQ(Decompress(test::PackCodes(codes, 3), 5), B({'A', 'B', 'C', 0, 0}));  // the third clear ends it
  EXPECT_EQ(Decompress(test::PackCodes(codes, 0), 5), Text("ABCD"));              // 0 wraps: clears only
  EXPECT_EQ(Decompress(test::PackCodes(codes, 4), 5), Text("ABCD"));
}

TEST(DecompressEntry, TheBufferEdge) {
  // Bytes past the buffer are dropped but counted: a last clear code gives
  // the whole buffer, an end code fails.
  EXPECT_EQ(Decompress(kAbababaEndingInClear, 4), Text("ABAB"));
  EXPECT_EQ(Decompress(kAbababaEndingInClear, 0), Bytes{});
  EXPECT_EQ(ErrorMessageOf([&] { (void)Decompress(kAbababa, 6); }), "Stream read error");
  // An end code before any byte gives the whole buffer; its bytes are 0.
  EXPECT_EQ(Decompress(test::PackCodes({{257, 9}}), 3), B({0, 0, 0}));
  EXPECT_EQ(Decompress(test::PackCodes({{65, 9}, {256, 9}, {257, 9}}, 5), 2), Text("A"));
}

TEST(DecompressEntry, WidthsGrowAfter255CodesAndClearsAtEveryWidth) {
  // A first code, then 255 more at 9 bits, the 257th at 10 bits: the encoder
  // packs by the same rule, so any early or late switch breaks the round trip.
  const Bytes text = test::TextLikePayload(200000, 7);
  const Bytes image = test::ImageLikePayload(200000, 9);
  for (const std::size_t clearAfter : {0u, 200u, 300u, 900u, 2000u, 5000u}) {
    for (const Bytes* payload : {&text, &image}) {
      test::LzwOptions options;
      options.clearAfterCodes = clearAfter;
      EXPECT_EQ(Decompress(test::EncodeLzw(*payload, options), static_cast<std::uint32_t>(payload->size())), *payload)
          << "clear after " << clearAfter;
    }
  }
  // Past 3838 entries without a clear, the width stays 12.
  Bytes noise(300000);
  std::uint32_t state = 1;
  for (auto& byte : noise) byte = static_cast<std::uint8_t>((state = state * 1103515245 + 12345) >> 24);
  EXPECT_EQ(Decompress(test::EncodeLzw(noise), 300000), noise);
}

TEST(DecompressEntry, AStreamEndingInItsLastClearCode) {
  const Bytes text = test::TextLikePayload(50000, 3);
  test::LzwOptions options;
  options.clearAfterCodes = 1000;
  options.endWithClear = true;
  std::size_t clearCodes = 0;
  (void)test::EncodeLzw(text, options, &clearCodes);
  ASSERT_GT(clearCodes, 3u);
  options.clearCount = static_cast<std::uint32_t>(clearCodes);
  const Bytes packed = test::EncodeLzw(text, options);
  EXPECT_EQ(Decompress(packed, 50000), text);
  Bytes padded = text;
  padded.resize(50010, 0);
  EXPECT_EQ(Decompress(packed, 50010), padded);
}

TEST(DecompressEntry, MalformedStreamsFailWithoutReadingPastTheirEnd) {
  const struct {
    const char* what;
    Bytes packed;
    const char* message;
  } cases[] = {
      {"header shorter than 12 bytes", B({0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}), "Stream read error"},
      {"no codes", B({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "Stream read error"},
      {"codes end before the end code", Bytes(kAbababa.begin(), kAbababa.end() - 2), "Stream read error"},
      {"first code not a byte", test::PackCodes({{258, 9}, {257, 9}}), "Invalid compressed data"},
      {"first code after a clear not a byte", test::PackCodes({{65, 9}, {256, 9}, {300, 9}, {257, 9}}),
       "Invalid compressed data"},
      {"code above the next code", test::PackCodes({{65, 9}, {259, 9}, {257, 9}}), "Invalid compressed data"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorMessageOf([&] { (void)Decompress(c.packed, 100); }), c.message) << c.what;
  }
}

}  // namespace
}  // namespace xi
