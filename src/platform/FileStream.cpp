#include "platform/FileStream.h"

#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

#include "platform/Error.h"

namespace xi {
namespace detail {
void FileCloser::operator()(std::FILE* file) const noexcept { std::fclose(file); }
}  // namespace detail

namespace {

constexpr std::size_t kStreamBufferSize = 1 << 16;

bool SeekTo(std::FILE* file, std::uint64_t position) {
  if (position > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return false;
#ifdef _WIN32
  return _fseeki64(file, static_cast<__int64>(position), SEEK_SET) == 0;
#else
  return fseeko(file, static_cast<off_t>(position), SEEK_SET) == 0;
#endif
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || std::filesystem::is_directory(status)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error) return std::uint64_t{0};  // not a regular file: its size is what reads deliver
  return size;
}

detail::FileHandle OpenHandle(const std::string& path, const char* mode) {
  detail::FileHandle file(std::fopen(path.c_str(), mode));
  if (file) std::setvbuf(file.get(), nullptr, _IOFBF, kStreamBufferSize);
  return file;
}

}  // namespace

ReadStream::ReadStream(detail::FileHandle file, std::uint64_t size) : file_(std::move(file)), size_(size) {}

ReadStream ReadStream::Open(const std::string& path) {
  const auto size = FileSize(path);
  if (!size) throw CannotOpenFile(path);
  auto file = OpenHandle(path, "rb");
  if (!file) throw CannotOpenFile(path);
  return ReadStream(std::move(file), *size);
}

void ReadStream::Seek(std::uint64_t position) {
  if (!SeekTo(file_.get(), position)) throw StreamReadError();
  position_ = position;
}

void ReadStream::ReadExact(std::span<std::uint8_t> into) {
  if (into.empty()) return;
  const std::size_t got = std::fread(into.data(), 1, into.size(), file_.get());
  position_ += got;
  if (got != into.size()) throw StreamReadError();
}

Bytes ReadStream::Read(std::uint64_t count) {
  if (count == 0) return {};
  // Refuse before allocating: a count past the end can never be delivered.
  if (position_ > size_ || count > size_ - position_) throw StreamReadError();
  Bytes bytes(static_cast<std::size_t>(count));
  ReadExact(bytes);
  return bytes;
}

WriteStream::WriteStream(detail::FileHandle file) : file_(std::move(file)) {}

WriteStream WriteStream::Create(const std::string& path) {
  auto file = OpenHandle(path, "wb");
  if (!file) throw CannotCreateFile(path);
  return WriteStream(std::move(file));
}

std::optional<WriteStream> WriteStream::CreateNew(const std::string& path) {
  auto file = OpenHandle(path, "wbx");
  if (file) return WriteStream(std::move(file));
  if (errno == EEXIST) return std::nullopt;
  throw CannotCreateFile(path);
}

void WriteStream::Write(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  if (!file_) throw StreamWriteError();
  const std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
  position_ += put;
  if (put != bytes.size()) throw StreamWriteError();
}

void WriteStream::Close() {
  if (!file_) return;
  const bool flushed = std::fflush(file_.get()) == 0;
  const bool closed = std::fclose(file_.release()) == 0;
  if (!flushed || !closed) throw StreamWriteError();
}

Bytes ReadWholeFile(const std::string& path) {
  auto stream = ReadStream::Open(path);
  return stream.Read(stream.Size());
}

}  // namespace xi
