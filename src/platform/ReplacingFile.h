#pragma once

#include <optional>
#include <string>

#include "platform/FileStream.h"

namespace xi {

// An output that never stands half-written under its final name: the bytes go
// to a temporary file beside the final path, and Commit() renames it over the
// final name. A ReplacingFile destroyed without Commit() removes its temporary
// file and leaves whatever was at the final path untouched. Errors name the
// final path.
class ReplacingFile {
 public:
  // Fails with "Cannot create file <finalPath>".
  explicit ReplacingFile(std::string finalPath);
  ReplacingFile(ReplacingFile&& other) noexcept;
  ReplacingFile& operator=(ReplacingFile&&) = delete;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;
  ~ReplacingFile();

  [[nodiscard]] WriteStream& Stream() { return *stream_; }
  [[nodiscard]] const std::string& FinalPath() const { return finalPath_; }

  // Flushes and closes the temporary file ("Stream write error").
  void Finish();
  // Finishes if needed, then renames the temporary file over the final path
  // ("Cannot create file <finalPath>" when the rename fails).
  void Commit();

 private:
  std::string finalPath_;
  std::string temporaryPath_;
  std::optional<WriteStream> stream_;
  bool finished_ = false;
  bool committed_ = false;
};

// Refuses an output that would replace a source: "Cannot create file
// <output>" when output names the source itself (by file identity, however
// it is reached), or when a directory stands at output's name.
void CheckOutputIsNotSource(const std::string& output, const std::string& source);

}  // namespace xi
