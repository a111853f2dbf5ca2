// Finds glyph boxes on an arbitrary picture and inserts them into a small
// font. Input: the source font's FontHeight, the picture's width (1 to 64),
// then its pixels, two bits each (black, white, grey, red), row by row. The
// picture is saved as a sheet and read back as insertion reads it. On success
// the output is the source followed by exactly 64 records; on failure no
// output and no temporary file is left.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "fonts/FontFile.h"
#include "fonts/InsertFont.h"
#include "image/Bmp24.h"
#include "jobs/RecordingSurface.h"
#include "platform/Error.h"

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::uint8_t* data, std::size_t size) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint32_t width = data[1] % 64 + 1;
  const std::uint32_t height = static_cast<std::uint32_t>((size - 2) * 4 / width);
  static constexpr xi::Rgb kColours[] = {{0, 0, 0}, {255, 255, 255}, {128, 128, 128}, {255, 0, 0}};
  xi::RgbImage picture(width, height);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = kColours[(data[2 + i / 4] >> (2 * (i % 4))) & 3];
  }
  const xi::Bytes sheet = xi::EncodeBmp24(picture);
  static const fs::path dir = [] {
    fs::path path = fs::temp_directory_path() / ("xitool-fuzz-font-" + std::to_string(getpid()));
    fs::create_directories(path / "out");
    return path;
  }();
  const std::uint8_t source[] = {data[0], 2, 31, 0};
  Write(dir / "menu.fnt", source, sizeof source);
  Write(dir / "sheet.bmp", sheet.data(), sheet.size());
  fs::remove(dir / "out/menu.fnt");

  xi::RunContext context;
  context.TargetDir = (dir / "out").string();
  context.SourcePath = (dir / "menu.fnt").string();
  context.SourceStream = xi::ReadStream::Open(context.SourcePath);
  context.ReplayLog.Assign({"#Source: menu.fnt", (dir / "sheet.bmp").string()});
  xi::RecordingSurface surface;
  bool inserted = true;
  try {
    if (xi::InsertFont(context, surface, (dir / "out/menu.fnt").string(), 1) != 2) __builtin_trap();
  } catch (const xi::Error&) {
    inserted = false;
  }
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir / "out")) ++files;
  if (files != (inserted ? 1u : 0u)) __builtin_trap();
  if (inserted) {
    std::ifstream file(dir / "out/menu.fnt", std::ios::binary);
    const xi::Bytes output((std::istreambuf_iterator<char>(file)), {});
    std::size_t offset = sizeof source;
    for (int n = 0; n < 64; ++n) {
      if (offset >= output.size()) __builtin_trap();
      offset += 1 + std::size_t{output[offset]} * data[0];
    }
    if (offset != output.size()) __builtin_trap();
  }
  return 0;
}
