#pragma once

#include <string>

#include "jobs/RunContext.h"
#include "jobs/StatusSurface.h"

namespace xi {

// Writes every entry of the archive whose index is at indexPath into
//   TargetDir/<index file name>/<EXTENSION>/<file name>
// one file and one ResultLog line per index record, in record order. Stored
// entries are written as they are, compressed ones unpacked, .gfx images as
// 24-bit .bmp files. An existing file is never overwritten: the name moves on
// to base_0000.ext, base_0001.ext, ...
void ExtractDoublePack(RunContext& context, StatusSurface& surface, const std::string& indexPath);

}  // namespace xi
