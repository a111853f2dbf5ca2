#include "jobs/StandardHandlers.h"

#include "doublepack/ExtractDoublePack.h"
#include "platform/Error.h"

namespace xi {
namespace {

// A kind whose handler this build does not have yet fails with a clear message
// instead of silently doing nothing.
JobHandler NotBuiltYet(const std::string& what) {
  return [what](RunContext&, StatusSurface&, const std::string&) {
    throw Error(what + " is not built into this version of the tool yet");
  };
}

}  // namespace

HandlerTable StandardHandlers() {
  const JobHandler replay = NotBuiltYet("Log replay");
  return {
      {kDoublePackJob, ExtractDoublePack},
      {kFontJob, NotBuiltYet("Font extraction")},
      {kLogJob, replay},
      {kProjectListJob, replay},
  };
}

}  // namespace xi
