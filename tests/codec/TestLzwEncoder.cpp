#include "codec/TestLzwEncoder.h"

#include <array>
#include <random>
#include <string_view>
#include <unordered_map>

namespace xi::test {
namespace {

constexpr std::uint32_t kClear = 256;
constexpr std::uint32_t kEnd = 257;
constexpr std::uint32_t kFirstEntry = 258;
constexpr std::uint32_t kLargest = 4095;

class BitWriter {
 public:
  void Put(std::uint32_t code, unsigned width) {
    bits_ |= std::uint64_t{code} << count_;
    count_ += width;
    while (count_ >= 8) {
      bytes_.push_back(static_cast<std::uint8_t>(bits_));
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  Bytes Finish(std::uint32_t word0, std::uint32_t word4, std::uint32_t clearCount) {
    if (count_ > 0) bytes_.push_back(static_cast<std::uint8_t>(bits_));
    Bytes stream;
    for (const std::uint32_t word : {word0, word4, clearCount}) {
      for (int i = 0; i < 4; ++i) stream.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
    }
    stream.insert(stream.end(), bytes_.begin(), bytes_.end());
    return stream;
  }

 private:
  Bytes bytes_;
  std::uint64_t bits_ = 0;
  unsigned count_ = 0;
};

class Encoder {
 public:
  explicit Encoder(const LzwOptions& options) : options_(options) {}

  Bytes Encode(std::span<const std::uint8_t> data) {
    if (!data.empty()) {
      std::uint32_t current = data[0];
      for (std::size_t i = 1; i < data.size(); ++i) {
        const std::uint8_t byte = data[i];
        const auto found = table_.find(Key(current, byte));
        if (found != table_.end()) {
          current = found->second;
          continue;
        }
        Emit(current);
        if (options_.clearAfterCodes != 0 && codesSinceClear_ >= options_.clearAfterCodes) {
          Emit(kClear);
          table_.clear();
          codesSinceClear_ = 0;
          nextCode_ = kFirstEntry;
        } else if (nextCode_ <= kLargest) {
          table_[Key(current, byte)] = nextCode_++;
        }
        current = byte;
      }
      Emit(current);
    }
    Emit(options_.endWithClear ? kClear : kEnd);
    return writer_.Finish(options_.headerWord0, options_.headerWord4, options_.clearCount);
  }

 private:
  static std::uint64_t Key(std::uint32_t prefix, std::uint8_t byte) { return std::uint64_t{prefix} << 8 | byte; }

  void Emit(std::uint32_t code) {
    writer_.Put(code, CodeWidth(++codesSinceClear_));
    if (code == kClear) ++clearCodes_;
  }

 public:
  [[nodiscard]] std::size_t ClearCodes() const { return clearCodes_; }

 private:
  LzwOptions options_;
  BitWriter writer_;
  std::unordered_map<std::uint64_t, std::uint32_t> table_;
  std::uint32_t nextCode_ = kFirstEntry;
  std::size_t codesSinceClear_ = 0;
  std::size_t clearCodes_ = 0;
};

}  // namespace

unsigned CodeWidth(std::size_t k) {
  const std::size_t entries = k >= 2 ? k - 2 : 0;
  if (entries < 254) return 9;
  if (entries < 766) return 10;
  if (entries < 1790) return 11;
  return 12;
}

Bytes EncodeLzw(std::span<const std::uint8_t> data, const LzwOptions& options, std::size_t* clearCodes) {
  Encoder encoder(options);
  Bytes stream = encoder.Encode(data);
  if (clearCodes != nullptr) *clearCodes = encoder.ClearCodes();
  return stream;
}

Bytes PackCodes(const std::vector<std::pair<std::uint32_t, unsigned>>& codes, std::uint32_t clearCount) {
  BitWriter writer;
  for (const auto& [code, width] : codes) writer.Put(code, width);
  return writer.Finish(0, 0, clearCount);
}

Bytes TextLikePayload(std::size_t size, std::uint32_t seed) {
  static constexpr std::array<std::string_view, 16> kWords = {
      "the ",     "castle ",  "gate ",  "opens ",     "when ", "you ",          "bring ", "three ",
      "keys\r\n", "Knight: ", "Halt! ", "stranger, ", "gold ", "[MENU_START] ", "=",      "42\r\n"};
  std::mt19937 random(seed);
  Bytes payload;
  payload.reserve(size);
  while (payload.size() < size) {
    const std::string_view word = kWords[random() % kWords.size()];
    for (const char c : word) {
      if (payload.size() == size) break;
      payload.push_back(static_cast<std::uint8_t>(c));
    }
  }
  return payload;
}

Bytes ImageLikePayload(std::size_t size, std::uint32_t seed) {
  // RGB565 pixels of smooth gradients with some noise, as game art tends to be.
  std::mt19937 random(seed);
  Bytes payload;
  payload.reserve(size + 1);
  std::uint32_t x = 0;
  while (payload.size() < size) {
    const std::uint32_t noise = random() % 8 == 0 ? random() % 4 : 0;
    const auto pixel = static_cast<std::uint16_t>(((x / 64 % 32) << 11) | (((x / 16 + noise) % 64) << 5) | 7);
    payload.push_back(static_cast<std::uint8_t>(pixel));
    payload.push_back(static_cast<std::uint8_t>(pixel >> 8));
    ++x;
  }
  payload.resize(size);
  return payload;
}

}  // namespace xi::test
