#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "jobs/JobKind.h"

// The extraction log (result.log): one group of lines per job,
//
//   #Format: NAM                       the format of the run's kind
//   #Source: /data/gfx.nam             the job's path, as queued
//   /out/gfx.nam/GFX/title.bmp         the job's entry lines: one per index
//   /out/gfx.nam/TXT/intro.txt         record (NAM), or the sheet (FNT)
//
// stored as text lines (see platform/LineList.h). These tables and line rules
// are shared by the runner that writes the log and the replay that reads it.
namespace xi {

// Indexed alike: the add dialog's filter at position p has kind
// KindByIndex[p] and format name FormatNames[p].
inline constexpr std::array<std::string_view, 4> FormatNames = {"NAM", "FNT", "", ""};
inline constexpr std::array<JobKind, 4> KindByIndex = {kDoublePackJob, kFontJob, kProjectListJob, kLogJob};

// The directive words; "#Target" is recognised and otherwise ignored.
inline constexpr std::array<std::string_view, 3> LogDirectives = {"#Format:", "#Source:", "#Target"};

enum class Directive : std::uint8_t { Format = 0, Source = 1, Target = 2 };

// The replay format when no "#Format:" line has named a known one.
inline constexpr JobKind kNoReplayFormat = 5;

// The first run of characters other than blank, tab, LF, VT, FF and CR, after
// any leading white space; empty when the line has none. It has no length
// limit: a word of any length is kept whole.
[[nodiscard]] std::string_view FirstWord(std::string_view line);

// The directive of a line whose first word is exactly (case-sensitive) one of
// LogDirectives; nullopt for every other line.
[[nodiscard]] std::optional<Directive> DirectiveOf(std::string_view line);

// The value of a directive line: the line without its first n + 1 characters,
// n being the length of its first word. Leading white space before the word
// shifts the cut, as it always has.
[[nodiscard]] std::string_view DirectiveValue(std::string_view line);

// The format name written after "#Format: " for a run of this kind: "NAM",
// "FNT", or empty for the replay kinds and any other.
[[nodiscard]] std::string_view FormatNameOfKind(JobKind kind);

// The replay format a "#Format:" value names: the kind at the position of the
// first FormatNames entry equal to its first word, or kNoReplayFormat. A value
// without a word names nothing.
[[nodiscard]] JobKind ReplayFormatOf(std::string_view formatValue);

}  // namespace xi
