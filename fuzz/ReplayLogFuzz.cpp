// Replays an arbitrary log against a small archive and a few edited files,
// with relative paths from a work directory. Whatever the log says, the
// source archive keeps its bytes, nothing is created outside the target, and
// no temporary file is left behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "jobs/RecordingSurface.h"
#include "jobs/StandardHandlers.h"
#include "platform/Error.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << bytes;
}

std::string Read(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Record(const std::string& name, std::uint32_t offset, std::uint32_t packed, std::uint32_t unpacked) {
  std::string record(64, '\0');
  record.replace(0, name.size(), name);
  for (int i = 0; i < 4; ++i) {
    record[static_cast<std::size_t>(52 + i)] = static_cast<char>(offset >> (8 * i));
    record[static_cast<std::size_t>(56 + i)] = static_cast<char>(packed >> (8 * i));
    record[static_cast<std::size_t>(60 + i)] = static_cast<char>(unpacked >> (8 * i));
  }
  return record;
}

const std::string kIndex = Record("a.txt", 0, 0, 3) + Record("pic.gfx", 3, 0, 6) + Record("c.dat", 9, 0, 2);
const std::string kData = std::string("abc") + std::string("\x01\x00\x01\x00\xFF\xFF", 6) + "xy";

// The work directory, made once: the source pair, edited files, a directory.
void Prepare() {
  static bool prepared = false;
  if (prepared) return;
  const fs::path dir = fs::temp_directory_path() / ("xitool-fuzz-replay-" + std::to_string(getpid()));
  fs::create_directories(dir / "ex");
  fs::current_path(dir);
  Write("menu.nam", kIndex);
  Write("menu.rsr", kData);
  Write("ex/a.txt", std::string("a\x18z", 3));
  Write("ex/pic.bmp", "BM not really");
  Write("ex/c.dat", "new");
  Write("menu.fnt", std::string("\x02\x01\x1F\x00", 4));
  Write("ex/menu.bmp", "BM");
  fs::create_directories("ex/folder.cfg");
  prepared = true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Prepare();
  Write("fuzz.log", std::string(reinterpret_cast<const char*>(data), size));
  fs::remove_all("out");
  fs::create_directory("out");
  xi::RunContext context;
  context.TargetDir = "out";
  xi::RecordingSurface surface;
  try {
    xi::ReplayLogFile(context, surface, "fuzz.log", xi::StandardInsertHandlers());
  } catch (const xi::Error&) {
  }
  if (Read("menu.nam") != kIndex || Read("menu.rsr") != kData) __builtin_trap();
  if (Read("menu.fnt") != std::string("\x02\x01\x1F\x00", 4)) __builtin_trap();
  for (const auto& entry : fs::directory_iterator(".")) {
    const auto name = entry.path().filename().string();
    if (name != "menu.nam" && name != "menu.rsr" && name != "menu.fnt" && name != "ex" && name != "out" &&
        name != "fuzz.log") {
      __builtin_trap();
    }
  }
  for (const auto& entry : fs::directory_iterator("out")) {
    if (entry.path().string().find(".tmp") != std::string::npos) __builtin_trap();
  }
  return 0;
}
