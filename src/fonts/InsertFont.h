#pragma once

#include <string>

#include "jobs/RunContext.h"
#include "jobs/StatusSurface.h"

namespace xi {

inline constexpr std::size_t kInsertGlyphCount = 64;

// Writes at outputPath the source font replay opened (SourceStream), byte
// for byte, followed by 64 glyph records taken from the first 64 cells of the
// sheet that ReplayLog line `index` names. The new records use the source's
// FontHeight; their pixels are 31 where the sheet is exactly white, else 0.
// The font is written to a temporary file and put in place when complete;
// it is never the source itself. Returns index + 1.
long long InsertFont(RunContext& context, StatusSurface& surface, const std::string& outputPath, long long index);

}  // namespace xi
