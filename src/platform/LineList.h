#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace xi {

// A list of 8-bit text lines, as the extraction log and project lists hold
// them. On disk every line, the last one included, is followed by CR LF; when
// read, text splits at CR LF, a lone CR or a lone LF, and a NUL byte ends it.
class LineList {
 public:
  [[nodiscard]] std::size_t Count() const { return lines_.size(); }
  [[nodiscard]] bool Empty() const { return lines_.empty(); }
  [[nodiscard]] const std::vector<std::string>& Lines() const { return lines_; }

  // Index access fails with "List index out of bounds (<index>)".
  [[nodiscard]] const std::string& At(long long index) const;
  void Set(long long index, std::string line);

  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void Clear() { lines_.clear(); }
  void Assign(std::vector<std::string> lines) { lines_ = std::move(lines); }

  // Replaces the lines with those of the file ("Cannot open file <path>",
  // "Stream read error"); on failure the list keeps what it held.
  void LoadFromFile(const std::string& path);
  // Replaces the file at path, atomically ("Cannot create file <path>").
  void SaveToFile(const std::string& path) const;

 private:
  [[nodiscard]] std::size_t CheckedIndex(long long index) const;

  std::vector<std::string> lines_;
};

// Splits text into lines by the rules above.
[[nodiscard]] std::vector<std::string> SplitLines(std::string_view text);
// Joins lines into text, each followed by CR LF.
[[nodiscard]] std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace xi
