#pragma once

#include "jobs/JobRunner.h"

namespace xi {

// The handlers the programs run: Double Pack extraction for kind 1, font
// extraction for kind 2, log replay for kinds 3 and 4.
[[nodiscard]] HandlerTable StandardHandlers();

}  // namespace xi
