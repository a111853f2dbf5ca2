#pragma once

#include <ostream>
#include <string>

#include "jobs/JobList.h"
#include "jobs/RunFrontEnd.h"

namespace xi {

class TerminalSurface;

// The runner's front end on the command line: the job list comes from the
// arguments, the target from --target, and the completion box is a line on
// stderr.
class CliFrontEnd : public RunFrontEnd {
 public:
  CliFrontEnd(JobList jobs, std::string targetDir, TerminalSurface& surface, std::ostream& err);

  [[nodiscard]] std::size_t JobCount() const override { return jobs_.Count(); }
  [[nodiscard]] std::string JobPath(std::size_t index) const override { return jobs_.Paths().at(index); }
  [[nodiscard]] JobKind CurrentKind() const override { return jobs_.CurrentKind(); }
  [[nodiscard]] std::optional<std::string> ChooseTargetDir(const std::string& startDir) override;
  void ShowCompletion(const std::string& text, const std::string& caption) override;

  [[nodiscard]] bool Completed() const { return completed_; }
  [[nodiscard]] bool Stopped() const { return stopped_; }

 private:
  JobList jobs_;
  std::string targetDir_;
  TerminalSurface& surface_;
  std::ostream& err_;
  bool completed_ = false;
  bool stopped_ = false;
};

}  // namespace xi
