// Extracts an arbitrary index + data file pair. The first two bytes give the
// index's length; the rest of the input is the data file. Every file the
// extraction writes must lie inside the target directory, and a completed
// extraction logs one line per record.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "doublepack/ExtractDoublePack.h"
#include "doublepack/IndexImage.h"
#include "jobs/RecordingSurface.h"
#include "platform/Error.h"
#include "platform/LittleEndian.h"

namespace fs = std::filesystem;

namespace {

const fs::path& WorkDir() {
  static const fs::path dir = [] {
    fs::path path = fs::temp_directory_path() / ("xitool-fuzz-" + std::to_string(getpid()));
    fs::create_directories(path);
    return path;
  }();
  return dir;
}

void Write(const fs::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Entries whose content would be huge are skipped, to keep memory small: a
// compressed entry's unpacked size, or an image's claimed pixel count.
bool Small(const xi::IndexImage& index, const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> rsr(data, size);
  for (std::size_t i = 0; i < index.RecordCount(); ++i) {
    const xi::IndexRecord record = index.Record(i);
    if (record.UnpackedSize > (1u << 20)) return false;
    if (xi::HasBytes(rsr, record.Offset, 4) &&
        std::uint64_t{xi::ReadU16LE(rsr, record.Offset)} * xi::ReadU16LE(rsr, record.Offset + 2) > (1u << 20)) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t indexSize = std::min<std::size_t>(data[0] | data[1] << 8, size - 2);
  const std::uint8_t* index = data + 2;
  const std::uint8_t* rsr = index + indexSize;
  const std::size_t rsrSize = size - 2 - indexSize;
  if (!Small(xi::IndexImage(xi::Bytes(index, index + indexSize)), rsr, rsrSize)) return 0;

  const fs::path dir = WorkDir();
  fs::remove_all(dir / "out");
  fs::create_directories(dir / "out");
  Write(dir / "menu.nam", index, indexSize);
  Write(dir / "menu.rsr", rsr, rsrSize);

  xi::RunContext context;
  context.TargetDir = (dir / "out").string();
  xi::RecordingSurface surface;
  bool completed = true;
  try {
    xi::ExtractDoublePack(context, surface, (dir / "menu.nam").string());
  } catch (const xi::Error&) {
    completed = false;
  }
  if (completed && context.ResultLog.Count() != indexSize / xi::kIndexRecordSize) __builtin_trap();
  const std::string inside = context.TargetDir + "/menu.nam/";
  for (const auto& line : context.ResultLog.Lines()) {
    if (line.compare(0, inside.size(), inside) != 0) __builtin_trap();
    const fs::path written = fs::weakly_canonical(line);
    if (written.parent_path().parent_path() != fs::canonical(dir / "out/menu.nam") &&
        written.parent_path() != fs::canonical(dir / "out/menu.nam")) {
      __builtin_trap();
    }
  }
  for (const auto& entry : fs::directory_iterator(dir)) {
    const auto name = entry.path().filename();
    if (name != "menu.nam" && name != "menu.rsr" && name != "out") __builtin_trap();
  }
  return 0;
}
