#include "fonts/ExtractFont.h"

#include <limits>

#include "fonts/GlyphSheet.h"
#include "platform/Error.h"
#include "platform/HostPath.h"
#include "platform/ReplacingFile.h"

namespace xi {

void ExtractFont(RunContext& context, StatusSurface& surface, const std::string& fontPath) {
  const Bytes font = ReadWholeFile(fontPath);
  const std::uint8_t fontHeight = font.empty() ? 0 : font[0];
  const std::vector<GlyphRecord> glyphs = FontGlyphs(font);
  const std::uint64_t height = SheetHeight(fontHeight, glyphs.size());
  if (height > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    throw Error("The font " + fontPath + " has too many glyphs for one sheet");
  }
  Bmp24Canvas sheet(kSheetWidth, static_cast<std::uint32_t>(height));

  surface.SetStatusText(ProcessingText(NamePart(fontPath)));
  surface.SetProgressPosition(0);
  std::uint32_t top = 0;
  for (std::size_t j = 0; j < glyphs.size(); ++j) {
    DrawGlyph(sheet, font, glyphs[j], fontHeight, top);
    top += fontHeight + kCellGap;
    ReportProgress(surface, static_cast<int>(std::uint64_t{j} * 100 / glyphs.size()));
  }

  const std::string sheetPath = JoinPath(context.TargetDir, ChangeExtension(NamePart(fontPath), ".bmp"));
  // A font whose own name ends in .bmp must not be replaced by its sheet.
  CheckOutputIsNotSource(sheetPath, fontPath);
  ReplacingFile file(sheetPath);
  file.Stream().Write(sheet.File());
  file.Commit();
  context.ResultLog.Add(sheetPath);
  RecordWrittenFile(context, surface, sheet.File().size());
}

}  // namespace xi
