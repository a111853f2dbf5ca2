#pragma once

#include <string>

#include "jobs/RunContext.h"
#include "jobs/StatusSurface.h"

namespace xi {

// Writes the glyph sheet of the font at fontPath as TargetDir/<font name with
// ".bmp" as its extension>, replacing a sheet of that name, and appends the
// sheet's path to ResultLog once it is saved.
void ExtractFont(RunContext& context, StatusSurface& surface, const std::string& fontPath);

}  // namespace xi
