#include "jobs/StandardHandlers.h"

#include "doublepack/ExtractDoublePack.h"
#include "doublepack/InsertDoublePack.h"
#include "fonts/ExtractFont.h"
#include "fonts/InsertFont.h"
#include "replay/ReplayLogFile.h"

namespace xi {

InsertHandlers StandardInsertHandlers() { return {{kDoublePackJob, InsertDoublePack}, {kFontJob, InsertFont}}; }

HandlerTable StandardHandlers() {
  const JobHandler replay = [](RunContext& context, StatusSurface& surface, const std::string& path) {
    ReplayLogFile(context, surface, path, StandardInsertHandlers());
  };
  return {
      {kDoublePackJob, ExtractDoublePack},
      {kFontJob, ExtractFont},
      {kLogJob, replay},
      {kProjectListJob, replay},
  };
}

}  // namespace xi
