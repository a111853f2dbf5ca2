#include "doublepack/TestArchive.h"

#include "TestFiles.h"
#include "doublepack/GfxImage.h"
#include "doublepack/IndexImage.h"
#include "platform/LittleEndian.h"

namespace xi::test {

Bytes NameField(const std::string& name) {
  Bytes field(kIndexNameSize, 0);
  std::copy(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(std::min(name.size(), field.size())),
            field.begin());
  return field;
}

Bytes GfxBytes(std::uint16_t width, std::uint16_t height, const std::vector<std::uint16_t>& pixels) {
  return EncodeGfxImage(GfxImage{width, height, pixels});
}

TestArchive& TestArchive::Record(const Bytes& nameField, std::uint32_t offset, std::uint32_t packedSize,
                                 std::uint32_t unpackedSize) {
  Bytes record(kIndexRecordSize, 0);
  std::copy(nameField.begin(), nameField.begin() + static_cast<std::ptrdiff_t>(kIndexNameSize), record.begin());
  WriteU32LE(record, 52, offset);
  WriteU32LE(record, 56, packedSize);
  WriteU32LE(record, 60, unpackedSize);
  index_.insert(index_.end(), record.begin(), record.end());
  return *this;
}

TestArchive& TestArchive::Add(const std::string& name, const Bytes& stored, std::uint32_t packedSize,
                              std::uint32_t unpackedSize) {
  Record(NameField(name), static_cast<std::uint32_t>(data_.size()), packedSize, unpackedSize);
  data_.insert(data_.end(), stored.begin(), stored.end());
  return *this;
}

TestArchive& TestArchive::Stored(const std::string& name, const Bytes& content) {
  return Add(name, content, 0, static_cast<std::uint32_t>(content.size()));
}

TestArchive& TestArchive::StoredEqualSizes(const std::string& name, const Bytes& content) {
  const auto size = static_cast<std::uint32_t>(content.size());
  return Add(name, content, size, size);
}

TestArchive& TestArchive::Compressed(const std::string& name, const Bytes& content, const LzwOptions& options) {
  const Bytes packed = EncodeLzw(content, options);
  return Add(name, packed, static_cast<std::uint32_t>(packed.size()), static_cast<std::uint32_t>(content.size()));
}

TestArchive& TestArchive::Trailing(const Bytes& bytes) {
  trailing_ = bytes;
  return *this;
}

Bytes TestArchive::Index() const {
  Bytes index = index_;
  index.insert(index.end(), trailing_.begin(), trailing_.end());
  return index;
}

void TestArchive::WriteTo(const std::string& indexPath) const {
  WriteFile(indexPath, ToString(Index()));
  WriteFile(DataFilePath(indexPath), ToString(data_));
}

}  // namespace xi::test
