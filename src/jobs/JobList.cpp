#include "jobs/JobList.h"

#include <algorithm>
#include <cctype>

#include "platform/HostPath.h"
#include "platform/LineList.h"
#include "replay/LogFormat.h"

namespace xi {

std::optional<JobKind> KindOfFilter(std::size_t position) {
  if (position >= KindByIndex.size()) return std::nullopt;
  return KindByIndex[position];
}

std::optional<std::size_t> FilterOfExtension(const std::string& path) {
  const std::string name = NamePart(path);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos) return std::nullopt;
  std::string extension = name.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (std::size_t i = 0; i < std::size(kAddFilters); ++i) {
    if (extension == std::string_view(kAddFilters[i].pattern).substr(1)) return i;
  }
  return std::nullopt;
}

void JobList::AddChosen(std::size_t filterPosition, const std::vector<std::string>& chosen) {
  const auto kind = KindOfFilter(filterPosition);
  if (!kind) return;
  if (*kind != currentKind_) paths_.clear();
  currentKind_ = *kind;
  if (*kind == kProjectListJob) {
    if (chosen.empty()) return;
    LineList projectList;
    projectList.LoadFromFile(chosen.front());
    paths_ = projectList.Lines();
    return;
  }
  paths_.insert(paths_.end(), chosen.begin(), chosen.end());
}

void JobList::RemoveAt(const std::vector<std::size_t>& indexes) {
  std::vector<bool> remove(paths_.size(), false);
  for (const std::size_t index : indexes) {
    if (index < remove.size()) remove[index] = true;
  }
  std::vector<std::string> kept;
  kept.reserve(paths_.size());
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    if (!remove[i]) kept.push_back(std::move(paths_[i]));
  }
  paths_ = std::move(kept);
}

}  // namespace xi
