#pragma once

#include <functional>
#include <map>
#include <string>

#include "jobs/JobKind.h"
#include "jobs/RunContext.h"
#include "jobs/StatusSurface.h"

namespace xi {

// An insertion handler: writes the rebuilt archive or font at outputPath from
// the source replay opened (SourcePath, SourceStream) and the log lines from
// firstLine on. Returns the index of the first line it did not read.
using InsertHandler = std::function<long long(RunContext& context, StatusSurface& surface,
                                              const std::string& outputPath, long long firstLine)>;
// Insertion handlers by replay format (1 Double Pack, 2 font).
using InsertHandlers = std::map<JobKind, InsertHandler>;

// Replays an extraction log: loads it into ReplayLog, follows its "#Format:"
// lines, and for every "#Source:" line that names something existing opens
// it and hands the lines that follow to the insertion handler of the format
// in force, with TargetDir + host separator + the source's name part as the
// output. The line at the index a handler returns is passed over.
void ReplayLogFile(RunContext& context, StatusSurface& surface, const std::string& logPath,
                   const InsertHandlers& handlers);

}  // namespace xi
