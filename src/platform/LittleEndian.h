#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/Error.h"

// Little-endian integers in byte buffers, whatever the host's byte order. The
// reads check that the bytes are there ("Stream read error" when not).
namespace xi {

[[nodiscard]] inline bool HasBytes(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t count) {
  return offset <= bytes.size() && count <= bytes.size() - offset;
}

[[nodiscard]] inline std::uint16_t ReadU16LE(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (!HasBytes(bytes, offset, 2)) throw StreamReadError();
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

[[nodiscard]] inline std::uint32_t ReadU32LE(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (!HasBytes(bytes, offset, 4)) throw StreamReadError();
  return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

inline void WriteU16LE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<std::uint8_t>(value);
  bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void WriteU32LE(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace xi
