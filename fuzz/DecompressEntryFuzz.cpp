// Feeds arbitrary packed bytes to the entry decompressor. The first four bytes
// choose the unpacked size (kept below 1 MiB so that memory stays small).
#include <cstddef>
#include <cstdint>
#include <span>

#include "codec/DecompressEntry.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::uint32_t unpackedSize = (data[0] | data[1] << 8 | (data[2] & 0x0F) << 16);
  const std::span<const std::uint8_t> packed(data + 4, size - 4);
  xi::Bytes output;
  try {
    xi::DecompressEntry(packed, output, unpackedSize);
  } catch (const xi::Error&) {
    return 0;
  }
  if (output.size() > unpackedSize) __builtin_trap();
  return 0;
}
