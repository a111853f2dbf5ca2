#include "TestFiles.h"

#include <atomic>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

namespace xi::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  const fs::path path =
      fs::temp_directory_path() / ("xitool-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path);
  fs::create_directories(path);
  path_ = path.string();
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempDir::operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("test could not write " + path);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("test could not read " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string ListDirectory(const std::string& path) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(path)) names.insert(entry.path().filename().string());
  std::string listing;
  for (const auto& name : names) listing += (listing.empty() ? "" : " ") + name;
  return listing;
}

}  // namespace xi::test
