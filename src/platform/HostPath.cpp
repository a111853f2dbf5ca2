#include "platform/HostPath.h"

namespace xi {
namespace {

#ifdef _WIN32
constexpr std::string_view kNameDelimiters = "\\/:";
#else
constexpr std::string_view kNameDelimiters = "/";
#endif

std::size_t NamePartStart(std::string_view path) {
  const std::size_t last = path.find_last_of(kNameDelimiters);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string NamePart(std::string_view path) { return std::string(path.substr(NamePartStart(path))); }

std::string ChangeExtension(std::string_view path, std::string_view extension) {
  const std::size_t nameStart = NamePartStart(path);
  const std::size_t dot = path.find_last_of('.');
  const std::size_t cut = (dot == std::string_view::npos || dot < nameStart) ? path.size() : dot;
  std::string result(path.substr(0, cut));
  result += extension;
  return result;
}

std::string JoinPath(std::string_view directory, std::string_view name) {
  std::string result;
  result.reserve(directory.size() + 1 + name.size());
  result += directory;
  result += kHostSeparator;
  result += name;
  return result;
}

}  // namespace xi
