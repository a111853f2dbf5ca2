#include "codec/DecompressEntry.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <vector>

#include "platform/Error.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {

constexpr std::uint32_t kClearCode = 256;
constexpr std::uint32_t kEndCode = 257;
constexpr std::uint32_t kFirstEntryCode = 258;
constexpr std::uint32_t kLargestCode = 4095;
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kClearCountField = 8;
// The entry counts at which the code width grows by one bit.
constexpr std::array<std::uint64_t, 3> kWidenAt = {254, 766, 1790};
// The unit of the decoder's string copies.
constexpr std::size_t kBlock = 16;

Error InvalidCompressedData() { return Error("Invalid compressed data"); }

// Reads the codes: each is the 32-bit little-endian word at the current byte,
// shifted right by the bit offset and masked to the width in force.
class CodeReader {
 public:
  explicit CodeReader(std::span<const std::uint8_t> packed) : packed_(packed) {}

  void ResetWidth() {
    width_ = 9;
    mask_ = 511;
  }
  void Widen() {
    ++width_;
    mask_ = mask_ * 2 + 1;
  }

  std::uint32_t Next() {
    // A code of at most 12 bits from bit offset at most 7 lies in 3 bytes, so
    // with 4 bytes left the whole word is there. Nearer the end, the code's
    // last bit must lie inside the stream; the bytes of the word beyond it
    // may not, and count as 0.
    const bool wordInside = packed_.size() - byte_ >= 4;
    if (!wordInside && byte_ + (bit_ + width_ - 1) / 8 >= packed_.size()) throw StreamReadError();
    const std::uint32_t code = (Word(wordInside) >> bit_) & mask_;
    bit_ += width_;
    byte_ += bit_ >> 3;
    bit_ &= 7;
    return code;
  }

 private:
  std::uint32_t Word(bool wordInside) const {
    if (wordInside) {
      const std::uint8_t* p = packed_.data() + byte_;
      return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
             static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
    std::uint32_t word = 0;
    for (std::size_t i = 0; byte_ + i < packed_.size(); ++i) word |= std::uint32_t{packed_[byte_ + i]} << (8 * i);
    return word;
  }

  std::span<const std::uint8_t> packed_;
  std::size_t byte_ = kHeaderSize;
  unsigned bit_ = 0;
  unsigned width_ = 9;
  std::uint32_t mask_ = 511;
};

// Copies 16 bytes through a register-sized buffer, so the two ranges may
// overlap.
void CopyBlock(const std::uint8_t* source, std::uint8_t* target) {
  std::uint8_t block[kBlock];
  std::memcpy(block, source, kBlock);
  std::memcpy(target, block, kBlock);
}

// A dictionary entry's string is never stored: it is where the string first
// appeared in the output (the previous code's string followed by one byte),
// so writing it again is one copy from there. A start past the buffer is kept
// as kPastBuffer: such a string is never copied, since every later string is
// written further on.
struct Entry {
  std::uint32_t start = 0;
  std::uint16_t length = 0;  // at most 3839: one more than the longest earlier entry
  std::uint8_t first = 0;
};
constexpr std::uint32_t kPastBuffer = 0xFFFFFFFF;

// The output buffer and the count of bytes decoded into it; bytes past the
// buffer are dropped but counted.
class Output {
 public:
  explicit Output(std::uint32_t size) : buffer_(size, 0) {}

  [[nodiscard]] std::uint64_t Written() const { return written_; }
  // Where the next string starts, as an entry records it.
  [[nodiscard]] std::uint32_t EntryStart() const {
    return written_ < buffer_.size() ? static_cast<std::uint32_t>(written_) : kPastBuffer;
  }

  void PutByte(std::uint8_t byte) {
    if (written_ < buffer_.size()) buffer_[static_cast<std::size_t>(written_)] = byte;
    ++written_;
  }

  // Copies a string forward from where it appeared before. Its first
  // appearance ends at the latest on the first byte written now (for the
  // entry being made now), so every byte but that last one is read from
  // final bytes. Where the buffer has room, whole 16-byte blocks are copied
  // and may write a few bytes past the string; the next string overwrites
  // them, and WholeBuffer() clears what is left.
  void PutString(const Entry& entry) {
    const std::uint64_t at = written_;
    written_ += entry.length;
    if (at >= buffer_.size()) return;
    std::uint8_t* const target = buffer_.data() + at;
    const std::uint8_t* const source = buffer_.data() + entry.start;
    const std::size_t distance = static_cast<std::size_t>(target - source);
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(entry.length, buffer_.size() - at));
    if (static_cast<std::size_t>(at) + count + kBlock > buffer_.size()) {
      for (std::size_t i = 0; i < count; ++i) target[i] = source[i];
      return;
    }
    overrun_ = true;
    // A string longer than a block lies at least a block back, so each block
    // reads bytes already written.
    for (std::size_t i = 0; i < count; i += kBlock) CopyBlock(source + i, target + i);
    if (distance < count) target[distance] = target[0];
  }

  // All of the buffer; bytes the stream never produced are 0.
  Bytes WholeBuffer() {
    if (overrun_ && written_ < buffer_.size()) {
      const auto from = static_cast<std::ptrdiff_t>(written_);
      const auto to = static_cast<std::ptrdiff_t>(std::min<std::uint64_t>(written_ + kBlock, buffer_.size()));
      std::fill(buffer_.begin() + from, buffer_.begin() + to, std::uint8_t{0});
    }
    return std::move(buffer_);
  }

  // The bytes decoded, which must fit the buffer.
  Bytes WrittenBytes() {
    if (written_ > buffer_.size()) throw StreamReadError();
    buffer_.resize(static_cast<std::size_t>(written_));
    return std::move(buffer_);
  }

 private:
  Bytes buffer_;
  std::uint64_t written_ = 0;
  bool overrun_ = false;
};

enum class CodeClass { Clear, End, First, Known, Invalid };

CodeClass ClassOf(std::uint32_t code, bool firstCode, std::uint64_t nextCode) {
  if (code == kClearCode) return CodeClass::Clear;
  if (code == kEndCode) return CodeClass::End;
  if (firstCode) return code < kClearCode ? CodeClass::First : CodeClass::Invalid;
  // A code equal to the next code to assign is the entry being made now: the
  // previous string followed by its own first byte.
  return code <= nextCode ? CodeClass::Known : CodeClass::Invalid;
}

Bytes Decode(std::span<const std::uint8_t> packed, std::uint32_t unpackedSize) {
  if (packed.size() < kHeaderSize) throw StreamReadError();
  std::uint32_t clearCount = ReadU32LE(packed, kClearCountField);
  CodeReader reader(packed);
  Output output(unpackedSize);
  std::vector<Entry> entries(kLargestCode + 1 - kFirstEntryCode);

  std::uint64_t entryCount = 0;  // 64 bits: it goes on counting past code 4095
  std::size_t widenAt = 0;
  bool firstCode = true;
  Entry previous;  // where the previous code's string was written
  for (;;) {
    const std::uint32_t code = reader.Next();
    const std::uint64_t nextCode = kFirstEntryCode + entryCount;
    switch (ClassOf(code, firstCode, nextCode)) {
      case CodeClass::Clear:
        if (--clearCount == 0) return output.WholeBuffer();  // unsigned: 0 wraps and only clears
        entryCount = 0;
        widenAt = 0;
        reader.ResetWidth();
        firstCode = true;
        continue;
      case CodeClass::End:
        return output.Written() == 0 ? output.WholeBuffer() : output.WrittenBytes();
      case CodeClass::Invalid:
        throw InvalidCompressedData();
      case CodeClass::Known:
        // The new entry is the previous string and the first byte of this
        // one: in the output it starts where the previous string was written
        // and ends with the first byte written next. Entries past code 4095
        // can never be read; only their count matters.
        if (nextCode <= kLargestCode) {
          entries[nextCode - kFirstEntryCode] = {previous.start, static_cast<std::uint16_t>(previous.length + 1),
                                                 previous.first};
        }
        if (++entryCount == kWidenAt[widenAt]) {
          reader.Widen();
          widenAt = std::min(widenAt + 1, kWidenAt.size() - 1);
        }
        break;
      case CodeClass::First:
        firstCode = false;
        break;
    }
    const std::uint32_t at = output.EntryStart();
    if (code < kClearCode) {
      output.PutByte(static_cast<std::uint8_t>(code));
      previous = {at, 1, static_cast<std::uint8_t>(code)};
    } else {
      const Entry& entry = entries[code - kFirstEntryCode];
      output.PutString(entry);
      previous = {at, entry.length, entry.first};
    }
  }
}

}  // namespace

void DecompressEntry(std::span<const std::uint8_t> packed, Bytes& output, std::uint32_t unpackedSize) {
  Bytes content;
  try {
    content = Decode(packed, unpackedSize);
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory while expanding memory stream");
  }
  if (output.empty()) {
    output = std::move(content);
  } else {
    output.insert(output.end(), content.begin(), content.end());
  }
}

}  // namespace xi
