#pragma once

#include <functional>
#include <map>
#include <string>

#include "jobs/JobKind.h"
#include "jobs/RunContext.h"
#include "jobs/RunFrontEnd.h"
#include "jobs/StatusSurface.h"

namespace xi {

// A job handler: called with the run's state, the status surface and the job's
// path. It reports through the surface and raises Error on failure.
using JobHandler = std::function<void(RunContext&, StatusSurface&, const std::string& path)>;
// Handlers by kind; a kind without an entry calls no handler.
using HandlerTable = std::map<JobKind, JobHandler>;

inline constexpr const char* kCompletionCaption = "Process status:";
inline constexpr const char* kCompletedText = "Operation complete!";
inline constexpr const char* kStoppedText = "Operation stopped!";
inline constexpr const char* kResultLogName = "result.log";

// The run command and its dispatcher. One run at a time: a run asked for while
// one is going (from inside a pump) is ignored.
class JobRunner {
 public:
  JobRunner(RunContext& context, StatusSurface& surface, RunFrontEnd& frontEnd, HandlerTable handlers);

  // Runs every queued job into a target directory the front end chooses,
  // builds the extraction log and saves it after an extraction run. Errors
  // from the handlers or the save end the run and leave here.
  void BProcessClick();

  // Runs one job through the handler of its kind.
  void ProcessJob(JobKind kind, const std::string& path);

  // The Stop button: the run stops after the job that is going.
  void RequestStop();

  [[nodiscard]] bool Running() const { return running_; }

 private:
  // Runs the jobs; true when a stop request ended them early.
  bool RunJobs(JobKind kind);
  void FinishJobs();
  void ReportBytesExtracted();
  void SaveResultLog(JobKind kind);

  RunContext& context_;
  StatusSurface& surface_;
  RunFrontEnd& frontEnd_;
  HandlerTable handlers_;
  bool running_ = false;
};

}  // namespace xi
