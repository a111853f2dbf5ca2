#pragma once

#include <string>
#include <vector>

#include "codec/TestLzwEncoder.h"
#include "platform/FileStream.h"

namespace xi::test {

// Builds a Double Pack archive pair from bytes, for tests.
class TestArchive {
 public:
  // An entry stored plain: PackedSize 0, UnpackedSize its length.
  TestArchive& Stored(const std::string& name, const Bytes& content);
  // An entry stored with PackedSize equal to UnpackedSize, as insertion writes.
  TestArchive& StoredEqualSizes(const std::string& name, const Bytes& content);
  // A compressed entry, encoded by the test encoder.
  TestArchive& Compressed(const std::string& name, const Bytes& content, const LzwOptions& options = {});
  // A record with the fields as given and no bytes added to the data file.
  TestArchive& Record(const Bytes& nameField, std::uint32_t offset, std::uint32_t packedSize,
                      std::uint32_t unpackedSize);
  // Bytes after the last whole record.
  TestArchive& Trailing(const Bytes& bytes);

  [[nodiscard]] Bytes Index() const;
  [[nodiscard]] const Bytes& Data() const { return data_; }
  // Writes the index at indexPath and the data file beside it (.rsr).
  void WriteTo(const std::string& indexPath) const;

 private:
  TestArchive& Add(const std::string& name, const Bytes& stored, std::uint32_t packedSize, std::uint32_t unpackedSize);

  Bytes index_;
  Bytes trailing_;
  Bytes data_;
};

// A 52-byte name field: the name, then zero bytes.
[[nodiscard]] Bytes NameField(const std::string& name);
// A GfxImage's bytes.
[[nodiscard]] Bytes GfxBytes(std::uint16_t width, std::uint16_t height, const std::vector<std::uint16_t>& pixels);

}  // namespace xi::test
