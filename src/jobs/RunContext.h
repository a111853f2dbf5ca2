#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "jobs/JobKind.h"
#include "platform/FileStream.h"
#include "platform/LineList.h"

namespace xi {

// The state a run shares between the runner, log replay and the handlers.
// The front end owns one for the life of the program; handlers take it as
// their first argument instead of reaching for globals.
struct RunContext {
  LineList ResultLog;                      // the extraction log of the current run
  LineList ReplayLog;                      // the log being replayed
  std::string TargetDir;                   // the target of the current or last run, as chosen
  std::string SourcePath;                  // the source log replay opened last
  std::optional<ReadStream> SourceStream;  // open on SourcePath while replay hands it on
  JobKind ReplayFormat = 0;
  std::uint8_t ReplayPlainLine = 0;

  std::uint64_t TotalBytes = 0;      // bytes of the files written in this run
  std::uint64_t ExtractedFiles = 0;  // files written in this run

  // Set by Stop (or Ctrl+C); read by the runner between jobs and cleared when
  // a run starts. Atomic, so that a signal handler may set it.
  std::atomic<bool> StopRequested{false};
};

class StatusSurface;

// Counts one file an extraction handler wrote: its size goes to TotalBytes,
// and Extracted shows the number of files written so far in this run.
void RecordWrittenFile(RunContext& context, StatusSurface& surface, std::uint64_t size);

// The counter label's text for a number of files written.
[[nodiscard]] std::string ExtractedText(std::uint64_t files);

}  // namespace xi
