#pragma once

#include <cstdint>
#include <span>

#include "platform/FileStream.h"

// The compressed entry stream inside .rsr files (integers little-endian):
//
//   offset  size  field
//        0     4  not read
//        4     4  read, no effect
//        8     4  ClearCount  u32; each clear code lowers it by one, and the
//                             clear code that brings it to 0 ends the stream
//       12  rest  LZW codes, LSB first, one continuous bit string
//
// Codes: 0-255 a byte; 256 clear (dictionary emptied, width back to 9, the
// next code is a first code); 257 end; 258-4095 dictionary entries, assigned
// in order. The width is 9 bits, and grows by one when the entry count since
// the start or last clear reaches 254, 766 and 1790 (the next code to assign
// becoming 512, 1024, 2048); it stays 12 after that.
namespace xi {

// Decodes the packed bytes of one entry and appends its content to output.
// The content has unpackedSize bytes when the stream ends by its last clear
// code, or when its end code comes before any byte was decoded (bytes the
// stream never produced are 0); otherwise it is the bytes decoded before the
// end code. Errors:
//   "Stream read error"        the header or the codes end before the stream
//                              does, or the end code comes after more than
//                              unpackedSize bytes were decoded;
//   "Invalid compressed data"  a code that cannot be followed: a first code
//                              that is not a byte, or a code above the next
//                              code to assign;
//   "Out of memory while expanding memory stream".
void DecompressEntry(std::span<const std::uint8_t> packed, Bytes& output, std::uint32_t unpackedSize);

}  // namespace xi
