#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace xi {

using Bytes = std::vector<std::uint8_t>;

namespace detail {
struct FileCloser {
  void operator()(std::FILE* file) const noexcept;
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace detail

// A file opened for reading only, with 64-bit positions. A read that cannot
// deliver every byte asked for fails with "Stream read error".
class ReadStream {
 public:
  // Fails with "Cannot open file <path>" when the path names nothing, names a
  // directory or cannot be opened.
  [[nodiscard]] static ReadStream Open(const std::string& path);

  [[nodiscard]] std::uint64_t Size() const { return size_; }
  [[nodiscard]] std::uint64_t Position() const { return position_; }
  void Seek(std::uint64_t position);

  void ReadExact(std::span<std::uint8_t> into);
  [[nodiscard]] Bytes Read(std::uint64_t count);

 private:
  ReadStream(detail::FileHandle file, std::uint64_t size);

  detail::FileHandle file_;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
};

// A file created for writing. A write that does not reach the file fails with
// "Stream write error"; Close() reports a failed final flush the same way.
class WriteStream {
 public:
  // Creates the file, replacing any file of that name; fails with
  // "Cannot create file <path>".
  [[nodiscard]] static WriteStream Create(const std::string& path);
  // Creates the file only if nothing of that name exists yet: nullopt when
  // something does. Any other failure is "Cannot create file <path>".
  [[nodiscard]] static std::optional<WriteStream> CreateNew(const std::string& path);

  void Write(std::span<const std::uint8_t> bytes);
  [[nodiscard]] std::uint64_t Position() const { return position_; }
  void Close();

 private:
  explicit WriteStream(detail::FileHandle file);

  detail::FileHandle file_;
  std::uint64_t position_ = 0;
};

// Reads a whole file into memory ("Cannot open file", "Stream read error").
[[nodiscard]] Bytes ReadWholeFile(const std::string& path);

}  // namespace xi
