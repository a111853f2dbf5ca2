// Extraction of whole archives:
// - many small entries, next to `tar -xf` of the very tree extraction writes;
// - an archive of more than 1 GiB, extracted by the `xitool` program, with the
//   program's peak resident memory next to the archive's largest entry.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "BenchSupport.h"
#include "TestFiles.h"
#include "doublepack/ExtractDoublePack.h"
#include "jobs/RecordingSurface.h"

namespace xi {
namespace {

namespace fs = std::filesystem;

void ExtractSmallEntries(benchmark::State& state) {
  const test::TempDir dir;
  const auto count = static_cast<std::size_t>(state.range(0));
  bench::SmallEntriesArchive(count).WriteTo(dir / "menu.nam");
  for (auto _ : state) {
    fs::remove_all(dir / "out");
    fs::create_directory(dir / "out");
    RunContext context;
    context.TargetDir = dir / "out";
    RecordingSurface surface;
    const auto start = std::chrono::steady_clock::now();
    ExtractDoublePack(context, surface, dir / "menu.nam");
    state.SetIterationTime(bench::SecondsSince(start));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

// The same tree, made by `tar -xf`.
void TarSmallEntries(benchmark::State& state) {
  const test::TempDir dir;
  const auto count = static_cast<std::size_t>(state.range(0));
  bench::SmallEntriesArchive(count).WriteTo(dir / "menu.nam");
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
    state.SetIterationTime(bench::SecondsSince(start));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

BENCHMARK(ExtractSmallEntries)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TarSmallEntries)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void ExtractLargeArchive(benchmark::State& state) {
  const test::TempDir dir;
  bench::LargeArchive::WriteTo(dir / "big.nam");
  bench::MeasureLargeArchiveRuns(state, {"run", "--kind", "nam", "--target", dir / "out", dir / "big.nam"},
                                 dir / "out");
}

BENCHMARK(ExtractLargeArchive)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace xi
