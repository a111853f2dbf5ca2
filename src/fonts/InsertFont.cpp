#include "fonts/InsertFont.h"

#include "fonts/FindGlyphBoxes.h"
#include "fonts/FontFile.h"
#include "image/BitmapReader.h"
#include "platform/Error.h"
#include "platform/HostPath.h"
#include "platform/ReplacingFile.h"

namespace xi {
namespace {

const Rgb kInk{0xFF, 0xFF, 0xFF};

// The glyph record of a box: Width is Right - Left + 1 (the box's columns and
// one more on the right), kept to 8 bits; FontHeight rows from Top.
Bytes GlyphRecordOf(const RgbImage& sheet, const GlyphBox& box, std::uint8_t fontHeight) {
  const auto width = static_cast<std::uint8_t>(box.Right - box.Left + 1);
  Bytes record;
  record.reserve(1 + std::size_t{width} * fontHeight);
  record.push_back(width);
  for (std::int64_t row = 0; row < fontHeight; ++row) {
    for (std::int64_t column = 0; column < width; ++column) {
      const std::int64_t x = box.Left + column;
      const std::int64_t y = box.Top + row;
      const bool inside = x >= 0 && y >= 0 && x < sheet.width && y < sheet.height;
      const bool ink = inside && sheet.At(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)) == kInk;
      record.push_back(ink ? kInkValue : std::uint8_t{0});
    }
  }
  return record;
}

}  // namespace

long long InsertFont(RunContext& context, StatusSurface& surface, const std::string& outputPath, long long index) {
  CheckOutputIsNotSource(outputPath, context.SourcePath);
  ReplacingFile output(outputPath);
  const std::string sheetPath = context.ReplayLog.At(index);
  const RgbImage sheet = ReadBitmapFile(sheetPath);
  const std::vector<GlyphBox> boxes = FindGlyphBoxes(sheet);
  if (boxes.size() < kInsertGlyphCount) {
    throw Error("The glyph sheet " + sheetPath + " has " + std::to_string(boxes.size()) + " glyph cells; " +
                std::to_string(kInsertGlyphCount) + " are needed");
  }
  surface.SetStatusText(ProcessingText(NamePart(outputPath)));
  surface.SetProgressPosition(0);

  if (!context.SourceStream) throw CannotOpenFile(context.SourcePath);
  ReadStream& source = *context.SourceStream;
  source.Seek(0);
  const Bytes font = source.Read(source.Size());
  if (font.empty()) throw Error("The font " + context.SourcePath + " is empty: it has no font height");
  const std::uint8_t fontHeight = font[0];
  output.Stream().Write(font);
  for (std::size_t n = 0; n < kInsertGlyphCount; ++n) {
    output.Stream().Write(GlyphRecordOf(sheet, boxes[n], fontHeight));
    ReportProgress(surface, static_cast<int>(n * 100 / kInsertGlyphCount));
  }
  output.Commit();
  return index + 1;
}

}  // namespace xi
