#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "jobs/JobKind.h"

namespace xi {

// What the runner asks of the front end that drives it: the job list and its
// kind, the target-directory chooser and the completion box. The window
// answers with its list and real dialogs, the command line from its
// arguments, tests from a script.
class RunFrontEnd {
 public:
  RunFrontEnd() = default;
  RunFrontEnd(const RunFrontEnd&) = delete;
  RunFrontEnd& operator=(const RunFrontEnd&) = delete;
  virtual ~RunFrontEnd() = default;

  // The job list, re-read at every step: it may change while a run pumps.
  [[nodiscard]] virtual std::size_t JobCount() const = 0;
  [[nodiscard]] virtual std::string JobPath(std::size_t index) const = 0;
  [[nodiscard]] virtual JobKind CurrentKind() const = 0;

  // Asks for the target directory, starting at startDir. A confirmed path is
  // created with its missing parents (a failure to create is not reported
  // here). nullopt when the user cancels.
  [[nodiscard]] virtual std::optional<std::string> ChooseTargetDir(const std::string& startDir) = 0;

  // The modal box that ends a run.
  virtual void ShowCompletion(const std::string& text, const std::string& caption) = 0;
};

}  // namespace xi
