#include "cli/CliFrontEnd.h"

#include "cli/TerminalSurface.h"
#include "jobs/JobRunner.h"
#include "platform/Directory.h"

namespace xi {

CliFrontEnd::CliFrontEnd(JobList jobs, std::string targetDir, TerminalSurface& surface, std::ostream& err)
    : jobs_(std::move(jobs)), targetDir_(std::move(targetDir)), surface_(surface), err_(err) {}

std::optional<std::string> CliFrontEnd::ChooseTargetDir(const std::string& /*startDir*/) {
  // As the chooser does: the confirmed directory is created with its missing
  // parents, and a failure to create it shows when the first output is made.
  CreateDirectoryWithParents(targetDir_);
  return targetDir_;
}

void CliFrontEnd::ShowCompletion(const std::string& text, const std::string& /*caption*/) {
  surface_.EndProgressLine();
  err_ << text << '\n' << std::flush;
  completed_ = true;
  stopped_ = text == kStoppedText;
}

}  // namespace xi
