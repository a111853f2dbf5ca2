#pragma once

#include <cstdint>

namespace xi {

// The kind of the queued jobs; the job list holds one kind at a time.
using JobKind = std::uint8_t;

inline constexpr JobKind kNoJobKind = 0;
inline constexpr JobKind kDoublePackJob = 1;
inline constexpr JobKind kFontJob = 2;
inline constexpr JobKind kLogJob = 3;
inline constexpr JobKind kProjectListJob = 4;

// Kinds 3 and 4 are both run by log replay.
[[nodiscard]] constexpr bool IsReplayKind(JobKind kind) { return kind == kLogJob || kind == kProjectListJob; }

}  // namespace xi
