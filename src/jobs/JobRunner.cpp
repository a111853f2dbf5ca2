#include "jobs/JobRunner.h"

#include "platform/Directory.h"
#include "platform/HostPath.h"
#include "replay/LogFormat.h"

namespace xi {
namespace {

// Clears a flag when the scope ends, also when an error leaves it.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;
  ~RunningFlag() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

JobRunner::JobRunner(RunContext& context, StatusSurface& surface, RunFrontEnd& frontEnd, HandlerTable handlers)
    : context_(context), surface_(surface), frontEnd_(frontEnd), handlers_(std::move(handlers)) {}

void JobRunner::RequestStop() {
  context_.StopRequested = true;
  surface_.EnableStop(false);
}

void JobRunner::BProcessClick() {
  if (running_ || frontEnd_.JobCount() == 0) return;
  const RunningFlag running(running_);
  context_.StopRequested = false;
  surface_.ClearResults();
  context_.ResultLog.Clear();
  // The byte total belongs to this run only, also when the chooser is cancelled.
  context_.TotalBytes = 0;
  context_.TargetDir = CurrentDirectory();
  const JobKind kind = frontEnd_.CurrentKind();

  bool stopped = false;
  if (const auto chosen = frontEnd_.ChooseTargetDir(context_.TargetDir)) {
    context_.TargetDir = *chosen;
    context_.TotalBytes = 0;
    context_.ExtractedFiles = 0;
    surface_.SetCounterText(ExtractedText(0));
    SetCurrentDirectory(context_.TargetDir);
    stopped = RunJobs(kind);
    FinishJobs();
  }
  ReportBytesExtracted();
  SaveResultLog(kind);
  frontEnd_.ShowCompletion(stopped ? kStoppedText : kCompletedText, kCompletionCaption);
}

bool JobRunner::RunJobs(JobKind kind) {
  const std::string formatLine = "#Format: " + std::string(FormatNameOfKind(kind));
  surface_.SetTotalMaximum(100);
  surface_.SetTotalPosition(0);
  for (std::size_t i = 0; i < frontEnd_.JobCount(); ++i) {
    const std::string path = frontEnd_.JobPath(i);
    context_.ResultLog.Add(formatLine);
    context_.ResultLog.Add("#Source: " + path);
    ProcessJob(kind, path);
    // The list may have changed during the job: count it again, and never
    // divide by an empty list.
    const std::size_t count = frontEnd_.JobCount();
    if (count > 0)
      surface_.SetTotalPosition(static_cast<int>(static_cast<long long>(i) * 100 / static_cast<long long>(count)));
    surface_.Pump();
    if (context_.StopRequested && i + 1 < frontEnd_.JobCount()) return true;
  }
  return false;
}

void JobRunner::FinishJobs() {
  surface_.SetStatusText("");
  surface_.SetCounterText("");
  surface_.SetProgressPosition(0);
  surface_.SetTotalPosition(0);
}

void JobRunner::ReportBytesExtracted() {
  if (context_.TotalBytes == 0) return;
  surface_.AppendResult("Total " + std::to_string(context_.TotalBytes) + " bytes extracted.");
  surface_.EnableSaveLog(true);
}

void JobRunner::SaveResultLog(JobKind kind) {
  if (context_.ResultLog.Empty() || IsReplayKind(kind)) return;
  context_.ResultLog.SaveToFile(JoinPath(context_.TargetDir, kResultLogName));
}

void JobRunner::ProcessJob(JobKind kind, const std::string& path) {
  surface_.FocusResults();
  surface_.EnableSaveLog(false);
  surface_.EnableStop(true);
  if (const auto handler = handlers_.find(kind); handler != handlers_.end() && handler->second) {
    handler->second(context_, surface_, path);
  }
  surface_.EnableStop(false);
  if (surface_.ResultsHoldLine()) surface_.EnableSaveLog(true);
}

void RecordWrittenFile(RunContext& context, StatusSurface& surface, std::uint64_t size) {
  context.TotalBytes += size;
  ++context.ExtractedFiles;
  surface.SetCounterText(ExtractedText(context.ExtractedFiles));
}

std::string ExtractedText(std::uint64_t files) { return "Extracted: " + std::to_string(files); }

}  // namespace xi
