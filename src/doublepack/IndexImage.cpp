#include "doublepack/IndexImage.h"

#include <algorithm>
#include <span>

#include "platform/HostPath.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {
constexpr std::size_t kOffsetField = 52;
constexpr std::size_t kPackedSizeField = 56;
constexpr std::size_t kUnpackedSizeField = 60;
}  // namespace

std::size_t IndexImage::RecordStart(std::size_t index) const {
  if (index >= RecordCount()) throw ListIndexOutOfBounds(static_cast<long long>(index));
  return index * kIndexRecordSize;
}

StorageMode IndexRecord::Mode() const {
  if (PackedSize == 0) return UnpackedSize == 0 ? StorageMode::Empty : StorageMode::Stored;
  return PackedSize == UnpackedSize ? StorageMode::Stored : StorageMode::Compressed;
}

std::string DataFilePath(const std::string& indexPath) { return ChangeExtension(indexPath, ".rsr"); }

IndexImage IndexImage::Load(const std::string& path) { return IndexImage(ReadWholeFile(path)); }

IndexRecord IndexImage::Record(std::size_t index) const {
  const auto record = std::span(image_).subspan(RecordStart(index), kIndexRecordSize);
  const auto name = record.first(kIndexNameSize);
  const auto nameEnd = std::find(name.begin(), name.end(), std::uint8_t{0});
  IndexRecord result;
  result.Name.assign(name.begin(), nameEnd);
  result.Offset = ReadU32LE(record, kOffsetField);
  result.PackedSize = ReadU32LE(record, kPackedSizeField);
  result.UnpackedSize = ReadU32LE(record, kUnpackedSizeField);
  return result;
}

void IndexImage::SetPlacement(std::size_t index, std::uint32_t offset, std::uint32_t packedSize,
                              std::uint32_t unpackedSize) {
  const std::span<std::uint8_t> record = std::span(image_).subspan(RecordStart(index), kIndexRecordSize);
  WriteU32LE(record, kOffsetField, offset);
  WriteU32LE(record, kPackedSizeField, packedSize);
  WriteU32LE(record, kUnpackedSizeField, unpackedSize);
}

}  // namespace xi
