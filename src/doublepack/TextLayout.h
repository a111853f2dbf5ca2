#pragma once

#include <cstdint>
#include <span>

#include "platform/FileStream.h"

// The 16-bit text layout written for edited .txt and .cfg entries: the mark
// 0xFEFF, then one u16 LE unit per character. The edited file is 8-bit text in
// which each byte is a character 0x00..0xFF, except that a byte followed by
// TextMarker stands for 0x100 + that byte (the marker is consumed with it).
namespace xi {

inline constexpr std::uint8_t kTextMarker = 0x18;

[[nodiscard]] Bytes EncodeText16(std::span<const std::uint8_t> text);

}  // namespace xi
