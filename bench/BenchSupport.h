#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "doublepack/TestArchive.h"

// What the extraction and replay benchmarks share.
namespace xi::bench {

// Many small entries of mixed kinds: text (some compressed), configs, images.
[[nodiscard]] test::TestArchive SmallEntriesArchive(std::size_t count);

// Writes an archive of `entries` stored entries straight to disk, one at a
// time; one of them is `largest` bytes, the others `typical`.
void WriteLargeArchive(const std::string& indexPath, std::size_t entries, std::size_t typical, std::size_t largest);

// Runs the xitool program with these arguments in a child process; returns
// its peak resident memory in KiB, or -1 when it failed.
[[nodiscard]] long PeakRssOfXitool(const std::vector<std::string>& arguments);

[[nodiscard]] double SecondsSince(std::chrono::steady_clock::time_point start);

}  // namespace xi::bench
