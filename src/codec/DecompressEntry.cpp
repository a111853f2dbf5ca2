#include "codec/DecompressEntry.h"

#include <array>
#include <cstring>
#include <new>

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
    // The code's last bit must lie inside the stream; the bytes of the 32-bit
    // word beyond it may not, and count as 0.
    if (byte_ + (bit_ + width_ - 1) / 8 >= packed_.size()) throw StreamReadError();
    const std::uint32_t code = (Word() >> bit_) & mask_;
    bit_ += width_;
    byte_ += bit_ >> 3;
    bit_ &= 7;
    return code;
  }

 private:
  std::uint32_t Word() const {
    if (packed_.size() - byte_ >= 4) return ReadU32LE(packed_, byte_);
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

// A dictionary entry's string is never stored: it is where the string first
// appeared in the output (the previous code's string followed by one byte),
// so writing it again is one copy from there.
struct Entry {
  std::uint64_t start = 0;
  std::uint32_t length = 0;
  std::uint8_t first = 0;
};

class Decoder {
 public:
  Decoder(std::span<const std::uint8_t> packed, std::uint32_t unpackedSize)
      : reader_(packed), buffer_(unpackedSize, 0) {
    if (packed.size() < kHeaderSize) throw StreamReadError();
    clearCount_ = ReadU32LE(packed, kClearCountField);
  }

  // Decodes the stream; leaves the entry's content in the buffer.
  Bytes Run() {
    bool firstCode = true;
    for (;;) {
      const std::uint32_t code = reader_.Next();
      const std::uint32_t nextCode = kFirstEntryCode + entryCount_;
      switch (ClassOf(code, firstCode, nextCode)) {
        case CodeClass::Clear:
          if (--clearCount_ == 0) return WholeBuffer();  // unsigned: 0 wraps and only clears
          Reset();
          firstCode = true;
          break;
        case CodeClass::End:
          return written_ == 0 ? WholeBuffer() : WrittenBytes();
        case CodeClass::First:
          Write(code);
          firstCode = false;
          break;
        case CodeClass::Known:
          AddEntry(nextCode);
          Write(code);
          break;
        case CodeClass::Invalid:
          throw InvalidCompressedData();
      }
    }
  }

 private:
  enum class CodeClass { Clear, End, First, Known, Invalid };

  static CodeClass ClassOf(std::uint32_t code, bool firstCode, std::uint32_t nextCode) {
    if (code == kClearCode) return CodeClass::Clear;
    if (code == kEndCode) return CodeClass::End;
    if (firstCode) return code < kClearCode ? CodeClass::First : CodeClass::Invalid;
    // A code equal to the next code to assign is the entry being made now:
    // the previous string followed by its own first byte.
    return code <= nextCode ? CodeClass::Known : CodeClass::Invalid;
  }

  void Reset() {
    entryCount_ = 0;
    reader_.ResetWidth();
  }

  std::uint8_t FirstByteOf(std::uint32_t code) const {
    return code < kClearCode ? static_cast<std::uint8_t>(code) : entries_[code - kFirstEntryCode].first;
  }

  // The entry for nextCode: the previous string followed by the first byte of
  // the current code's string. In the output it starts where the previous
  // string was written, and its last byte is the first one written next.
  // Entries past code 4095 can never be read; only their count matters.
  void AddEntry(std::uint32_t nextCode) {
    if (nextCode <= kLargestCode) {
      entries_[nextCode - kFirstEntryCode] = {previousStart_, previousLength_ + 1, FirstByteOf(previous_)};
    }
    ++entryCount_;
    if (entryCount_ == 254 || entryCount_ == 766 || entryCount_ == 1790) reader_.Widen();
  }

  // Writes the string of a code at the output position. Bytes that would fall
  // past the buffer are dropped, but counted.
  void Write(std::uint32_t code) {
    const std::uint64_t at = written_;
    std::uint32_t length = 1;
    if (code < kClearCode) {
      if (at < buffer_.size()) buffer_[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(code);
    } else {
      const Entry& entry = entries_[code - kFirstEntryCode];
      length = entry.length;
      if (at < buffer_.size()) CopyWithin(entry.start, at, std::min<std::uint64_t>(length, buffer_.size() - at));
    }
    previous_ = code;
    previousStart_ = at;
    previousLength_ = length;
    written_ = at + length;
  }

  // Copies count bytes from an earlier position. The source ends one byte
  // into the destination only for the entry being made now; a forward byte
  // copy then picks up the byte it has just written.
  void CopyWithin(std::uint64_t from, std::uint64_t to, std::uint64_t count) {
    std::uint8_t* const data = buffer_.data();
    const auto source = static_cast<std::size_t>(from);
    const auto target = static_cast<std::size_t>(to);
    const auto n = static_cast<std::size_t>(count);
    if (target - source >= n) {
      std::memcpy(data + target, data + source, n);
    } else {
      for (std::size_t i = 0; i < n; ++i) data[target + i] = data[source + i];
    }
  }

  Bytes WholeBuffer() { return std::move(buffer_); }

  Bytes WrittenBytes() {
    if (written_ > buffer_.size()) throw StreamReadError();
    buffer_.resize(static_cast<std::size_t>(written_));
    return std::move(buffer_);
  }

  CodeReader reader_;
  Bytes buffer_;
  std::array<Entry, kLargestCode + 1 - kFirstEntryCode> entries_{};
  std::uint32_t clearCount_ = 0;
  std::uint32_t entryCount_ = 0;
  std::uint32_t previous_ = 0;
  std::uint64_t previousStart_ = 0;
  std::uint32_t previousLength_ = 0;
  std::uint64_t written_ = 0;
};

}  // namespace

void DecompressEntry(std::span<const std::uint8_t> packed, Bytes& output, std::uint32_t unpackedSize) {
  Bytes content;
  try {
    content = Decoder(packed, unpackedSize).Run();
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
