#pragma once

#include <benchmark/benchmark.h>

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

// The archive of more than 1 GiB: 1,100 entries of 1 MiB, one of them 16 MiB.
struct LargeArchive {
  static constexpr std::size_t kTypical = 1u << 20;
  static constexpr std::size_t kLargest = 16u << 20;
  static constexpr std::size_t kEntries = 1100;
  static void WriteTo(const std::string& indexPath) { WriteLargeArchive(indexPath, kEntries, kTypical, kLargest); }
};

// Times xitool runs on the large archive (output removed before each), and
// reports the archive's size, its largest entry and the run's peak memory.
void MeasureLargeArchiveRuns(benchmark::State& state, const std::vector<std::string>& arguments,
                             const std::string& output);

[[nodiscard]] double SecondsSince(std::chrono::steady_clock::time_point start);

}  // namespace xi::bench
