#include "platform/Directory.h"

#include <filesystem>
#include <system_error>

namespace xi {

namespace fs = std::filesystem;

bool PathExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  return fs::exists(fs::symlink_status(path, error));
}

bool CreateDirectoryLevel(const std::string& path) {
  std::error_code error;
  return fs::create_directory(path, error) && !error;
}

bool CreateDirectoryWithParents(const std::string& path) {
  std::error_code error;
  fs::create_directories(path, error);
  return !error && fs::is_directory(path, error);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) && !error;
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string CurrentDirectory() {
  std::error_code error;
  return fs::current_path(error).string();
}

bool SetCurrentDirectory(const std::string& path) {
  std::error_code error;
  fs::current_path(path, error);
  return !error;
}

}  // namespace xi
