#include "doublepack/TextLayout.h"

namespace xi {

Bytes EncodeText16(std::span<const std::uint8_t> text) {
  Bytes units;
  units.reserve(2 + 2 * text.size());
  const auto emit = [&units](std::uint16_t unit) {
    units.push_back(static_cast<std::uint8_t>(unit));
    units.push_back(static_cast<std::uint8_t>(unit >> 8));
  };
  emit(0xFEFF);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i + 1 < text.size() && text[i + 1] == kTextMarker) {
      emit(static_cast<std::uint16_t>(0x100 + text[i]));
      ++i;
    } else {
      emit(text[i]);
    }
  }
  return units;
}

}  // namespace xi
