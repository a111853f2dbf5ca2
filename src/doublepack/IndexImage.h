#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/FileStream.h"

// The index file (.nam): a plain sequence of 64-byte records, record 0 first,
// with no header. Bytes after the last whole record belong to no record; they
// are kept, because the index is always saved whole.
//
//   offset  size  field
//        0    52  Name          entry name, ended by a zero byte (all 52 bytes
//                               when there is none); may carry "\" parts
//       52     4  Offset        u32 LE, where the stored bytes start in .rsr
//       56     4  PackedSize    u32 LE, stored length when compressed or
//                               written by insertion; else 0
//       60     4  UnpackedSize  u32 LE, length of the entry's content
namespace xi {

inline constexpr std::size_t kIndexRecordSize = 64;
inline constexpr std::size_t kIndexNameSize = 52;

enum class StorageMode { Empty, Stored, Compressed };

struct IndexRecord {
  std::string Name;
  std::uint32_t Offset = 0;
  std::uint32_t PackedSize = 0;
  std::uint32_t UnpackedSize = 0;

  [[nodiscard]] StorageMode Mode() const;
  // PackedSize when that is not 0, else UnpackedSize.
  [[nodiscard]] std::uint32_t StoredLength() const { return PackedSize != 0 ? PackedSize : UnpackedSize; }
};

// A whole index file in memory.
class IndexImage {
 public:
  IndexImage() = default;
  explicit IndexImage(Bytes image) : image_(std::move(image)) {}

  // "Cannot open file <path>" when it cannot be read.
  [[nodiscard]] static IndexImage Load(const std::string& path);

  [[nodiscard]] std::size_t RecordCount() const { return image_.size() / kIndexRecordSize; }
  [[nodiscard]] IndexRecord Record(std::size_t index) const;
  // Overwrites Offset, PackedSize and UnpackedSize of a record; nothing else.
  void SetPlacement(std::size_t index, std::uint32_t offset, std::uint32_t packedSize, std::uint32_t unpackedSize);

  [[nodiscard]] const Bytes& Image() const { return image_; }

 private:
  // Where record index starts in the image ("List index out of bounds").
  [[nodiscard]] std::size_t RecordStart(std::size_t index) const;

  Bytes image_;
};

// The data file of an index: the index path with its extension replaced by
// ".rsr" (appended when its name has no ".").
[[nodiscard]] std::string DataFilePath(const std::string& indexPath);

}  // namespace xi
