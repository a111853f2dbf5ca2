// Extraction of whole archives:
// - many small entries, next to `tar -xf` of the very tree extraction writes;
// - an archive of more than 1 GiB, extracted by the `xitool` program, with the
//   program's peak resident memory next to the archive's largest entry.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "TestFiles.h"
#include "codec/TestLzwEncoder.h"
#include "doublepack/ExtractDoublePack.h"
#include "doublepack/TestArchive.h"
#include "jobs/RecordingSurface.h"
#include "platform/LittleEndian.h"

namespace xi {
namespace {

namespace fs = std::filesystem;

// Many small entries of mixed kinds: text (some compressed), configs, images.
test::TestArchive SmallEntriesArchive(std::size_t count) {
  test::TestArchive archive;
  std::mt19937 random(5);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = 256 + random() % 3840;
    const std::string name = "dir\\entry" + std::to_string(i);
    switch (i % 4) {
      case 0:
        archive.Compressed(name + ".txt", test::TextLikePayload(size, static_cast<std::uint32_t>(i)));
        break;
      case 1:
        archive.Stored(name + ".cfg", test::TextLikePayload(size, static_cast<std::uint32_t>(i)));
        break;
      case 2: {
        Bytes gfx = test::GfxBytes(32, 32, std::vector<std::uint16_t>(32 * 32, 0x7BEF));
        archive.Stored(name + ".gfx", gfx);
        break;
      }
      default:
        archive.Stored(name + ".dat", test::ImageLikePayload(size, static_cast<std::uint32_t>(i)));
    }
  }
  return archive;
}

double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void ExtractSmallEntries(benchmark::State& state) {
  const test::TempDir dir;
  const auto count = static_cast<std::size_t>(state.range(0));
  SmallEntriesArchive(count).WriteTo(dir / "menu.nam");
  for (auto _ : state) {
    fs::remove_all(dir / "out");
    fs::create_directory(dir / "out");
    RunContext context;
    context.TargetDir = dir / "out";
    RecordingSurface surface;
    const auto start = std::chrono::steady_clock::now();
    ExtractDoublePack(context, surface, dir / "menu.nam");
    state.SetIterationTime(Seconds(start));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

// The same tree, made by `tar -xf`.
void TarSmallEntries(benchmark::State& state) {
  const test::TempDir dir;
  const auto count = static_cast<std::size_t>(state.range(0));
  SmallEntriesArchive(count).WriteTo(dir / "menu.nam");
  fs::create_directory(dir / "out");
  RunContext context;
  context.TargetDir = dir / "out";
  RecordingSurface surface;
  ExtractDoublePack(context, surface, dir / "menu.nam");
  if (std::system(("tar -cf '" + (dir / "tree.tar") + "' -C '" + (dir / "out") + "' menu.nam").c_str()) != 0) {
    state.SkipWithError("tar failed");
    return;
  }
  const std::string command = "tar -xf '" + (dir / "tree.tar") + "' -C '" + (dir / "again") + "'";
  for (auto _ : state) {
    fs::remove_all(dir / "again");
    fs::create_directory(dir / "again");
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("tar failed");
    state.SetIterationTime(Seconds(start));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

BENCHMARK(ExtractSmallEntries)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TarSmallEntries)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Writes an archive of `entries` stored entries straight to disk, one at a
// time; the largest is `largest` bytes, the others `typical`.
void WriteLargeArchive(const std::string& indexPath, std::size_t entries, std::size_t typical, std::size_t largest) {
  std::ofstream index(indexPath, std::ios::binary);
  std::ofstream data(fs::path(indexPath).replace_extension(".rsr"), std::ios::binary);
  const Bytes block = test::ImageLikePayload(largest);
  std::uint32_t offset = 0;
  for (std::size_t i = 0; i < entries; ++i) {
    const std::size_t size = i == entries / 2 ? largest : typical;
    Bytes record = test::NameField("big\\part" + std::to_string(i) + ".dat");
    record.resize(64);
    WriteU32LE(record, 52, offset);
    WriteU32LE(record, 60, static_cast<std::uint32_t>(size));
    index.write(reinterpret_cast<const char*>(record.data()), 64);
    data.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(size));
    offset += static_cast<std::uint32_t>(size);
  }
}

// Runs `xitool run` on the archive in a child process; returns its peak RSS.
long PeakRssOfRun(const std::string& indexPath, const std::string& target) {
  const pid_t child = fork();
  if (child == 0) {
    execl(XITOOL_PROGRAM, "xitool", "run", "--kind", "nam", "--target", target.c_str(), indexPath.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

void ExtractLargeArchive(benchmark::State& state) {
  const test::TempDir dir;
  constexpr std::size_t kTypical = 1u << 20;
  constexpr std::size_t kLargest = 16u << 20;
  constexpr std::size_t kEntries = 1100;
  WriteLargeArchive(dir / "big.nam", kEntries, kTypical, kLargest);
  long peakKiB = 0;
  for (auto _ : state) {
    fs::remove_all(dir / "out");
    const auto start = std::chrono::steady_clock::now();
    peakKiB = PeakRssOfRun(dir / "big.nam", dir / "out");
    state.SetIterationTime(Seconds(start));
    if (peakKiB < 0) state.SkipWithError("xitool run failed");
  }
  const double archiveBytes = double{(kEntries - 1) * kTypical + kLargest};
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * archiveBytes));
  state.counters["archive_MiB"] = archiveBytes / (1 << 20);
  state.counters["largest_entry_MiB"] = double{kLargest} / (1 << 20);
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKiB) / 1024;
}

BENCHMARK(ExtractLargeArchive)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace xi
