// Checks the decompressor against a plain decoder that walks prefix links and
// writes each string backwards, one byte at a time, on many random streams.
#include <gtest/gtest.h>

#include <random>

#include "codec/DecompressEntry.h"
#include "codec/TestLzwEncoder.h"
#include "platform/Error.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {

struct Outcome {
  Bytes content;
  std::string error;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome ReferenceDecode(const Bytes& packed, std::uint32_t unpackedSize) {
  if (packed.size() < 12) return {{}, "Stream read error"};
  std::uint32_t clearCount = ReadU32LE(packed, 8);
  Bytes out(unpackedSize, 0);
  std::uint64_t written = 0;
  std::vector<std::uint32_t> prefix(65536 + 258);
  std::vector<std::uint8_t> last(65536 + 258);
  std::uint64_t bitPosition = 96;
  unsigned width = 9;
  std::uint32_t count = 0;
  std::uint32_t previous = 0;
  bool first = true;
  const auto writeString = [&](std::uint32_t code) {
    std::uint64_t links = 0;
    for (std::uint32_t c = code; c >= 258; c = prefix[c]) ++links;
    std::uint64_t at = written + links;
    std::uint32_t c = code;
    for (; c >= 258; c = prefix[c], --at) {
      if (at < out.size()) out[at] = last[c];
    }
    if (at < out.size()) out[at] = static_cast<std::uint8_t>(c);
    written += links + 1;
  };
  for (;;) {
    std::uint32_t code = 0;
    for (unsigned i = 0; i < width; ++i, ++bitPosition) {
      if (bitPosition / 8 >= packed.size()) return {{}, "Stream read error"};
      code |= static_cast<std::uint32_t>((static_cast<unsigned>(packed[bitPosition / 8]) >> (bitPosition % 8)) & 1u)
              << i;
    }
    if (code == 256) {
      if (--clearCount == 0) return {out, ""};
      count = 0;
      width = 9;
      first = true;
      continue;
    }
    if (code == 257) {
      if (written == 0) return {out, ""};
      if (written > out.size()) return {{}, "Stream read error"};
      out.resize(written);
      return {out, ""};
    }
    if (first) {
      if (code >= 256) return {{}, "Invalid compressed data"};
      writeString(code);
      previous = code;
      first = false;
      continue;
    }
    const std::uint32_t next = 258 + count;
    if (code > next) return {{}, "Invalid compressed data"};
    std::uint32_t firstByte = code;
    while (firstByte >= 258) firstByte = firstByte == next ? previous : prefix[firstByte];
    prefix[next] = previous;
    last[next] = static_cast<std::uint8_t>(firstByte);
    ++count;
    if (count == 254 || count == 766 || count == 1790) ++width;
    writeString(code);
    previous = code;
  }
}

Outcome FastDecode(const Bytes& packed, std::uint32_t unpackedSize) {
  Bytes output;
  try {
    DecompressEntry(packed, output, unpackedSize);
  } catch (const Error& error) {
    return {{}, error.what()};
  }
  return {output, ""};
}

// Random numbers below a bound.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : engine_(seed) {}
  std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(engine_() % bound); }

 private:
  std::mt19937 engine_;
};

// Random code streams: mostly codes the dictionary can follow (often the
// newest entries, the next code to assign among them), now and then a clear,
// an end, or any code the width allows.
Bytes RandomStream(Dice& dice, std::uint32_t clearCount) {
  std::vector<std::pair<std::uint32_t, unsigned>> codes;
  std::size_t sinceClear = 0;
  const std::uint32_t length = dice.Below(3000) + 1;
  for (std::uint32_t i = 0; i < length; ++i) {
    const std::size_t k = ++sinceClear;
    const unsigned width = test::CodeWidth(k);
    const std::uint32_t largest = (1u << width) - 1;
    const std::uint32_t roll = dice.Below(1000);
    std::uint32_t code = dice.Below(256);
    if (roll < 3) {
      code = 256;
      sinceClear = 0;
    } else if (roll < 4) {
      code = dice.Below(largest + 1);
    } else if (k >= 3 && roll % 4 != 0) {
      const auto next = static_cast<std::uint32_t>(258 + k - 2);
      const std::uint32_t top = std::min(next, largest);
      code = top - dice.Below(std::min<std::uint32_t>(top - 257, 64));
    }
    codes.emplace_back(code, width);
  }
  if (dice.Below(4) != 0) codes.emplace_back(257, test::CodeWidth(sinceClear + 1));
  return test::PackCodes(codes, clearCount);
}

TEST(ReferenceDecoder, AgreesOnRandomStreams) {
  Dice dice(20261211);
  for (int round = 0; round < 400; ++round) {
    const std::uint32_t clearCount = dice.Below(3) == 0 ? 0 : dice.Below(6);
    const Bytes packed = RandomStream(dice, clearCount);
    const std::uint32_t unpackedSize = dice.Below(2) == 0 ? dice.Below(64) : dice.Below(40000);
    ASSERT_EQ(FastDecode(packed, unpackedSize), ReferenceDecode(packed, unpackedSize)) << "round " << round;
  }
}

}  // namespace
}  // namespace xi
