#include "doublepack/EntryName.h"

namespace xi {

std::string EntryFileName(std::string_view name) {
  const std::size_t last = name.find_last_of("\\:/");
  return std::string(last == std::string_view::npos ? name : name.substr(last + 1));
}

std::string EntryExtension(std::string_view fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string EntryBase(std::string_view fileName) {
  const std::size_t dot = fileName.find_first_of('.');
  return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(0, dot));
}

bool IsImageExtension(std::string_view extension) { return AsciiLower(extension) == ".gfx"; }

std::string ExtensionDirectoryName(std::string_view extension) {
  return AsciiUpper(extension.empty() ? extension : extension.substr(1));
}

std::string ReplaceEntryExtension(std::string_view fileName, std::string_view extension) {
  const std::size_t dot = fileName.find_last_of('.');
  std::string result(fileName.substr(0, dot));
  result += extension;
  return result;
}

std::string AsciiLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string AsciiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

}  // namespace xi
