// The entry decompressor's speed, in bytes of output per second, on text-like
// and image-like payloads; beside it, the classic LZW decoder `uncompress`
// (Debian's ncompress) decoding the same payload, as a reference.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "codec/DecompressEntry.h"
#include "codec/TestLzwEncoder.h"

namespace xi {
namespace {

constexpr std::size_t kPayloadSize = 32u << 20;

Bytes Payload(bool textLike) {
  return textLike ? test::TextLikePayload(kPayloadSize) : test::ImageLikePayload(kPayloadSize);
}

// The stream an archive holds: the dictionary is cleared whenever it is full.
Bytes Packed(const Bytes& payload) {
  test::LzwOptions options;
  options.clearAfterCodes = 3838;
  return test::EncodeLzw(payload, options);
}

void DecompressEntryBench(benchmark::State& state, bool textLike) {
  const Bytes payload = Payload(textLike);
  const Bytes packed = Packed(payload);
  for (auto _ : state) {
    Bytes output;
    DecompressEntry(packed, output, static_cast<std::uint32_t>(payload.size()));
    benchmark::DoNotOptimize(output.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.size()));
  state.counters["ratio"] = static_cast<double>(packed.size()) / static_cast<double>(payload.size());
}

// `uncompress -c` of the same payload, as compressed by `compress`, timed as a
// whole process writing to /dev/null.
void UncompressBench(benchmark::State& state, bool textLike) {
  const test::TempDir dir;
  const std::string raw = dir / "payload";
  test::WriteFile(raw, test::ToString(Payload(textLike)));
  if (std::system(("compress -f '" + raw + "'").c_str()) != 0) {
    state.SkipWithError("`compress` (Debian's ncompress) is not installed");
    return;
  }
  const std::string command = "uncompress -c '" + raw + ".Z' > /dev/null";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("uncompress failed");
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPayloadSize));
  state.counters["ratio"] = static_cast<double>(std::filesystem::file_size(raw + ".Z")) / kPayloadSize;
}

BENCHMARK_CAPTURE(DecompressEntryBench, text, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(UncompressBench, text, true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecompressEntryBench, image, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(UncompressBench, image, false)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace xi
