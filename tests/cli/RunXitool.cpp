#include "cli/RunXitool.h"

#include <sstream>

#include "cli/CommandLine.h"
#include "jobs/StandardHandlers.h"

namespace xi::test {

XitoolOutcome RunXitool(const std::vector<std::string>& arguments) { return RunXitool(arguments, StandardHandlers()); }

XitoolOutcome RunXitool(const std::vector<std::string>& arguments, const HandlerTable& handlers) {
  std::vector<const char*> argv = {"xitool"};
  for (const auto& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err, handlers, false);
  return {status, out.str(), err.str()};
}

}  // namespace xi::test
