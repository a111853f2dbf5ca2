#pragma once

#include <string>
#include <vector>

#include "jobs/JobRunner.h"

namespace xi::test {

struct XitoolOutcome {
  int status = 0;
  std::string out;
  std::string err;
};

// Runs the xitool command line in this process with these arguments (the
// program's name left out), with the standard handlers or the given ones.
[[nodiscard]] XitoolOutcome RunXitool(const std::vector<std::string>& arguments);
[[nodiscard]] XitoolOutcome RunXitool(const std::vector<std::string>& arguments, const HandlerTable& handlers);

}  // namespace xi::test
