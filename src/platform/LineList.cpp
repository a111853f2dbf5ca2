#include "platform/LineList.h"

#include <span>

#include "platform/Error.h"
#include "platform/FileStream.h"
#include "platform/ReplacingFile.h"

namespace xi {

std::vector<std::string> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (crLf ? 2 : 1);
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

std::size_t LineList::CheckedIndex(long long index) const {
  if (index < 0 || static_cast<unsigned long long>(index) >= lines_.size()) {
    throw ListIndexOutOfBounds(index);
  }
  return static_cast<std::size_t>(index);
}

const std::string& LineList::At(long long index) const { return lines_[CheckedIndex(index)]; }

void LineList::Set(long long index, std::string line) { lines_[CheckedIndex(index)] = std::move(line); }

void LineList::LoadFromFile(const std::string& path) {
  const Bytes bytes = ReadWholeFile(path);
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  lines_ = SplitLines(text);
}

void LineList::SaveToFile(const std::string& path) const {
  const std::string text = JoinLines(lines_);
  ReplacingFile file(path);
  file.Stream().Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  file.Commit();
}

}  // namespace xi
