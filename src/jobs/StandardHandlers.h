#pragma once

#include "jobs/JobRunner.h"
#include "replay/ReplayLogFile.h"

namespace xi {

// The handlers the programs run: Double Pack extraction for kind 1, font
// extraction for kind 2, log replay for kinds 3 and 4.
[[nodiscard]] HandlerTable StandardHandlers();

// The insertion handlers log replay calls: Double Pack for "NAM", fonts for
// "FNT".
[[nodiscard]] InsertHandlers StandardInsertHandlers();

}  // namespace xi
