#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "platform/FileStream.h"

// A small encoder for the compressed entry stream, for tests and benchmarks
// only: the tool itself never writes compressed entries.
namespace xi::test {

struct LzwOptions {
  std::uint32_t clearCount = 0;     // the header's ClearCount
  std::size_t clearAfterCodes = 0;  // emit a clear code after this many codes since the last (0: never)
  bool endWithClear = false;        // end with a clear code instead of the end code
  std::uint32_t headerWord0 = 0;
  std::uint32_t headerWord4 = 0;
};

// clearCodes, when given, receives the number of clear codes written.
[[nodiscard]] Bytes EncodeLzw(std::span<const std::uint8_t> data, const LzwOptions& options = {},
                              std::size_t* clearCodes = nullptr);

// A stream made of given codes, each packed with the width given beside it.
[[nodiscard]] Bytes PackCodes(const std::vector<std::pair<std::uint32_t, unsigned>>& codes,
                              std::uint32_t clearCount = 0);

// The width the decoder reads the k-th code with since the start or last
// clear (k from 1).
[[nodiscard]] unsigned CodeWidth(std::size_t k);

// Payloads with the character of real entries.
[[nodiscard]] Bytes TextLikePayload(std::size_t size, std::uint32_t seed = 1);
[[nodiscard]] Bytes ImageLikePayload(std::size_t size, std::uint32_t seed = 1);

}  // namespace xi::test
