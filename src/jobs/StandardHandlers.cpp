#include "jobs/StandardHandlers.h"

#include "doublepack/ExtractDoublePack.h"
#include "doublepack/InsertDoublePack.h"
#include "platform/Error.h"
#include "replay/ReplayLogFile.h"

namespace xi {
namespace {

// A kind whose handler this build does not have yet fails with a clear message
// instead of silently doing nothing.
JobHandler NotBuiltYet(const std::string& what) {
  return [what](RunContext&, StatusSurface&, const std::string&) {
    throw Error(what + " is not built into this version of the tool yet");
  };
}

// Font insertion, until this build has it.
long long FontInsertionNotBuiltYet(RunContext&, StatusSurface&, const std::string&, long long) {
  throw Error("Font insertion is not built into this version of the tool yet");
}

}  // namespace

InsertHandlers StandardInsertHandlers() {
  return {{kDoublePackJob, InsertDoublePack}, {kFontJob, FontInsertionNotBuiltYet}};
}

HandlerTable StandardHandlers() {
  const JobHandler replay = [](RunContext& context, StatusSurface& surface, const std::string& path) {
    ReplayLogFile(context, surface, path, StandardInsertHandlers());
  };
  return {
      {kDoublePackJob, ExtractDoublePack},
      {kFontJob, NotBuiltYet("Font extraction")},
      {kLogJob, replay},
      {kProjectListJob, replay},
  };
}

}  // namespace xi
