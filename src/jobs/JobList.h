#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "jobs/JobKind.h"

namespace xi {

// The add dialog's filters, in their order; the filter at position p gives the
// kind KindByIndex[p].
struct AddFilter {
  const char* label;
  const char* pattern;
};
inline constexpr AddFilter kAddFilters[] = {
    {"Double Pack (*.nam)", "*.nam"},
    {"Fonts (*.fnt)", "*.fnt"},
    {"Project list files (*.lst)", "*.lst"},
    {"Log files (*.log)", "*.log"},
};

// The kind a filter position gives; nullopt for a position outside the table.
[[nodiscard]] std::optional<JobKind> KindOfFilter(std::size_t position);
// The filter position of a file's extension (".nam", ".fnt", ".lst", ".log",
// letters of any case); nullopt for any other.
[[nodiscard]] std::optional<std::size_t> FilterOfExtension(const std::string& path);

// The job list: paths of one kind, in the order they were added.
class JobList {
 public:
  [[nodiscard]] JobKind CurrentKind() const { return currentKind_; }
  [[nodiscard]] const std::vector<std::string>& Paths() const { return paths_; }
  [[nodiscard]] std::size_t Count() const { return paths_.size(); }

  // Adds files chosen with the filter at filterPosition, as the add command
  // does: a different kind empties the list first; a project list replaces
  // the list with the entries of the first chosen file (which may fail with
  // "Cannot open file"; the list then holds what it held, emptied if the kind
  // changed); other kinds append every chosen path, duplicates included.
  void AddChosen(std::size_t filterPosition, const std::vector<std::string>& chosen);

  void RemoveAt(const std::vector<std::size_t>& indexes);
  void Clear() { paths_.clear(); }

 private:
  JobKind currentKind_ = kNoJobKind;
  std::vector<std::string> paths_;
};

}  // namespace xi
