#include "BenchSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "codec/TestLzwEncoder.h"
#include "platform/LittleEndian.h"

namespace xi::bench {

test::TestArchive SmallEntriesArchive(std::size_t count) {
  test::TestArchive archive;
  std::mt19937 random(5);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t size = 256 + random() % 3840;
    const auto seed = static_cast<std::uint32_t>(i);
    const std::string name = "dir\\entry" + std::to_string(i);
    switch (i % 4) {
      case 0:
        archive.Compressed(name + ".txt", test::TextLikePayload(size, seed));
        break;
      case 1:
        archive.Stored(name + ".cfg", test::TextLikePayload(size, seed));
        break;
      case 2:
        archive.Stored(name + ".gfx", test::GfxBytes(32, 32, std::vector<std::uint16_t>(32 * 32, 0x7BEF)));
        break;
      default:
        archive.Stored(name + ".dat", test::ImageLikePayload(size, seed));
    }
  }
  return archive;
}

void WriteLargeArchive(const std::string& indexPath, std::size_t entries, std::size_t typical, std::size_t largest) {
  std::ofstream index(indexPath, std::ios::binary);
  std::ofstream data(std::filesystem::path(indexPath).replace_extension(".rsr"), std::ios::binary);
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

long PeakRssOfXitool(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  std::vector<std::string> storage = arguments;
  storage.insert(storage.begin(), "xitool");
  for (auto& argument : storage) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    execv(XITOOL_PROGRAM, argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

void MeasureLargeArchiveRuns(benchmark::State& state, const std::vector<std::string>& arguments,
                             const std::string& output) {
  long peakKiB = 0;
  for (auto _ : state) {
    std::filesystem::remove_all(output);
    const auto start = std::chrono::steady_clock::now();
    peakKiB = PeakRssOfXitool(arguments);
    state.SetIterationTime(SecondsSince(start));
    if (peakKiB < 0) state.SkipWithError("xitool run failed");
  }
  const double archiveBytes = double{(LargeArchive::kEntries - 1) * LargeArchive::kTypical + LargeArchive::kLargest};
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * archiveBytes));
  state.counters["archive_MiB"] = archiveBytes / (1 << 20);
  state.counters["largest_entry_MiB"] = double{LargeArchive::kLargest} / (1 << 20);
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKiB) / 1024;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace xi::bench
