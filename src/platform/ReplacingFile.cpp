#include "platform/ReplacingFile.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "platform/Directory.h"
#include "platform/Error.h"

namespace xi {
namespace {

constexpr int kTemporaryNameAttempts = 100;

std::string TemporaryCandidate(const std::string& finalPath) {
  static std::atomic<unsigned> counter{0};
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return finalPath + ".xi-" + std::to_string(ticks % 1000000) + "-" + std::to_string(counter++) + ".tmp";
}

}  // namespace

ReplacingFile::ReplacingFile(std::string finalPath) : finalPath_(std::move(finalPath)) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts && !stream_; ++attempt) {
    temporaryPath_ = TemporaryCandidate(finalPath_);
    try {
      stream_ = WriteStream::CreateNew(temporaryPath_);
    } catch (const Error&) {
      throw CannotCreateFile(finalPath_);
    }
  }
  if (!stream_) throw CannotCreateFile(finalPath_);
}

ReplacingFile::ReplacingFile(ReplacingFile&& other) noexcept
    : finalPath_(std::move(other.finalPath_)),
      temporaryPath_(std::move(other.temporaryPath_)),
      stream_(std::move(other.stream_)),
      finished_(other.finished_),
      committed_(other.committed_) {
  other.stream_.reset();
  other.committed_ = true;  // the moved-from object owns no temporary file any more
}

ReplacingFile::~ReplacingFile() {
  if (committed_) return;
  stream_.reset();
  std::error_code ignored;
  std::filesystem::remove(temporaryPath_, ignored);
}

void ReplacingFile::Finish() {
  if (finished_) return;
  stream_->Close();
  finished_ = true;
}

void CheckOutputIsNotSource(const std::string& output, const std::string& source) {
  if (SameFile(output, source) || IsDirectory(output)) throw CannotCreateFile(output);
}

void ReplacingFile::Commit() {
  Finish();
  std::error_code error;
  std::filesystem::rename(temporaryPath_, finalPath_, error);
  if (error) throw CannotCreateFile(finalPath_);
  committed_ = true;
}

}  // namespace xi
