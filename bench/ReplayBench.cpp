// Replaying extraction logs into new archives:
// - an archive of 20,000 small entries, every extracted file present, next to
//   `tar -cf` of the extracted tree (writing the same bytes);
// - an archive of more than 1 GiB, replayed by the `xitool` program, with the
//   program's peak resident memory next to the archive's largest entry.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "BenchSupport.h"
#include "TestFiles.h"
#include "doublepack/ExtractDoublePack.h"
#include "jobs/RecordingSurface.h"
#include "jobs/StandardHandlers.h"
#include "replay/ReplayLogFile.h"

namespace xi {
namespace {

namespace fs = std::filesystem;

// Extracts the archive at dir/menu.nam into dir/ex and saves its log there.
void ExtractOnce(const test::TempDir& dir) {
  fs::create_directory(dir / "ex");
  RunContext context;
  context.TargetDir = dir / "ex";
  context.ResultLog.Add("#Format: NAM");
  context.ResultLog.Add("#Source: " + (dir / "menu.nam"));
  RecordingSurface surface;
  ExtractDoublePack(context, surface, dir / "menu.nam");
  context.ResultLog.SaveToFile(dir / "ex/result.log");
}

void ReplaySmallEntries(benchmark::State& state) {
  const test::TempDir dir;
  const auto count = static_cast<std::size_t>(state.range(0));
  bench::SmallEntriesArchive(count).WriteTo(dir / "menu.nam");
  ExtractOnce(dir);
  for (auto _ : state) {
    fs::remove_all(dir / "new");
    fs::create_directory(dir / "new");
    RunContext context;
    context.TargetDir = dir / "new";
    RecordingSurface surface;
    const auto start = std::chrono::steady_clock::now();
    ReplayLogFile(context, surface, dir / "ex/result.log", StandardInsertHandlers());
    state.SetIterationTime(bench::SecondsSince(start));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

void TarCreateSmallEntries(benchmark::State& state) {
  const test::TempDir dir;
  const auto count = static_cast<std::size_t>(state.range(0));
  bench::SmallEntriesArchive(count).WriteTo(dir / "menu.nam");
  ExtractOnce(dir);
  const std::string command = "tar -cf '" + (dir / "tree.tar") + "' -C '" + (dir / "ex") + "' menu.nam";
  for (auto _ : state) {
    fs::remove(dir / "tree.tar");
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("tar failed");
    state.SetIterationTime(bench::SecondsSince(start));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
}

BENCHMARK(ReplaySmallEntries)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(TarCreateSmallEntries)->Arg(20000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void ReplayLargeArchive(benchmark::State& state) {
  const test::TempDir dir;
  bench::LargeArchive::WriteTo(dir / "menu.nam");
  if (bench::PeakRssOfXitool({"run", "--kind", "nam", "--target", dir / "ex", dir / "menu.nam"}) < 0) {
    state.SkipWithError("extraction failed");
    return;
  }
  bench::MeasureLargeArchiveRuns(state, {"run", "--kind", "log", "--target", dir / "new", dir / "ex/result.log"},
                                 dir / "new");
}

BENCHMARK(ReplayLargeArchive)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace xi
