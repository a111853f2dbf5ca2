#pragma once

#include <ostream>

#include "jobs/JobRunner.h"

namespace xi {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitStopped = 130;  // as a shell reports a command ended by Ctrl+C

// The `xitool` program:
//   xitool run [--kind nam|fnt|log|lst] --target DIR FILE...
// Runs with the given handlers; results go to `out`, the completion text,
// errors and (when `err` is a terminal) progress to `err`. Returns the exit
// status. Ctrl+C during a run asks the run to stop after the current job.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const HandlerTable& handlers, bool errIsTerminal);

}  // namespace xi
