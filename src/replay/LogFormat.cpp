#include "replay/LogFormat.h"

namespace xi {
namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

}  // namespace

std::string_view FirstWord(std::string_view line) {
  const std::size_t start = line.find_first_not_of(kWhiteSpace);
  if (start == std::string_view::npos) return {};
  const std::size_t end = line.find_first_of(kWhiteSpace, start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::optional<Directive> DirectiveOf(std::string_view line) {
  const std::string_view word = FirstWord(line);
  for (std::size_t i = 0; i < LogDirectives.size(); ++i) {
    if (word == LogDirectives[i]) return static_cast<Directive>(i);
  }
  return std::nullopt;
}

std::string_view DirectiveValue(std::string_view line) {
  const std::size_t cut = FirstWord(line).size() + 1;
  return cut >= line.size() ? std::string_view{} : line.substr(cut);
}

std::string_view FormatNameOfKind(JobKind kind) {
  for (std::size_t i = 0; i < KindByIndex.size(); ++i) {
    if (KindByIndex[i] == kind) return FormatNames[i];
  }
  return {};
}

JobKind ReplayFormatOf(std::string_view formatValue) {
  const std::string_view name = FirstWord(formatValue);
  if (name.empty()) return kNoReplayFormat;
  for (std::size_t i = 0; i < FormatNames.size(); ++i) {
    if (FormatNames[i] == name) return KindByIndex[i];
  }
  return kNoReplayFormat;
}

}  // namespace xi
