#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/Error.h"
#include "platform/FileStream.h"

namespace xi::test {

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  [[nodiscard]] const std::string& Path() const { return path_; }
  // Path + "/" + name.
  [[nodiscard]] std::string operator/(std::string_view name) const;

 private:
  std::string path_;
};

// Restores the process's current directory when the scope ends.
class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard() : saved_(std::filesystem::current_path()) {}
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;
  ~CurrentDirectoryGuard() { std::filesystem::current_path(saved_); }

 private:
  std::filesystem::path saved_;
};

void WriteFile(const std::string& path, std::string_view bytes);
[[nodiscard]] std::string ReadFile(const std::string& path);
// The message of the Error that action raises, or "(no error)".
template <typename Action>
std::string ErrorMessageOf(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

[[nodiscard]] inline Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }
[[nodiscard]] inline std::string ToString(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The names in a directory, sorted.
[[nodiscard]] std::string ListDirectory(const std::string& path);

}  // namespace xi::test
