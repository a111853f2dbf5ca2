#pragma once

#include <string>

#include "jobs/RunContext.h"
#include "jobs/StatusSurface.h"

namespace xi {

// Builds a new archive pair from the source replay opened (SourcePath) and
// one ReplayLog line per index record, from firstLine on: an entry whose line
// names an existing file takes that file's content (a .bmp as an image, a
// .txt or .cfg in the 16-bit text layout, any other as it is), stored with
// equal sizes; every other entry keeps its old stored bytes and sizes. The
// index goes to outputIndexPath, the data file beside it; both are written
// to temporary files and put in place only when both are complete. Names and
// every other byte of the index are kept. Returns firstLine + the record
// count.
long long InsertDoublePack(RunContext& context, StatusSurface& surface, const std::string& outputIndexPath,
                           long long firstLine);

}  // namespace xi
