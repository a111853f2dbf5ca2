#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <filesystem>
#include <map>

#include "cli/CliFrontEnd.h"
#include "cli/TerminalSurface.h"
#include "jobs/JobList.h"
#include "platform/Error.h"

namespace xi {
namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::size_t> kFilterOfKindName = {{"nam", 0}, {"fnt", 1}, {"lst", 2}, {"log", 3}};

struct RunArguments {
  std::string kind;
  std::string target;
  std::vector<std::string> files;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Paths are queued absolute, as a file dialog returns them.
std::string AbsolutePath(const std::string& path) {
  std::string absolute = fs::absolute(fs::path(path)).lexically_normal().string();
  while (absolute.size() > 1 && absolute.back() == static_cast<char>(fs::path::preferred_separator)) {
    absolute.pop_back();
  }
  return absolute;
}

std::size_t FilterOfRun(const RunArguments& arguments) {
  if (!arguments.kind.empty()) return kFilterOfKindName.at(arguments.kind);
  std::optional<std::size_t> agreed;
  for (const auto& file : arguments.files) {
    const auto filter = FilterOfExtension(file);
    if (!filter || (agreed && *agreed != *filter)) {
      throw UsageError("--kind is needed: the files' extensions do not name one kind (.nam, .fnt, .lst or .log)");
    }
    agreed = filter;
  }
  return *agreed;
}

// Ctrl+C sets the stop request of the run that is going.
std::atomic<bool>* gStopRequest = nullptr;

extern "C" void OnInterrupt(int /*signal*/) {
  if (gStopRequest != nullptr) gStopRequest->store(true);
}

class StopOnInterrupt {
 public:
  explicit StopOnInterrupt(std::atomic<bool>& request) {
    gStopRequest = &request;
    previous_ = std::signal(SIGINT, OnInterrupt);
  }
  StopOnInterrupt(const StopOnInterrupt&) = delete;
  StopOnInterrupt& operator=(const StopOnInterrupt&) = delete;
  ~StopOnInterrupt() {
    std::signal(SIGINT, previous_);
    gStopRequest = nullptr;
  }

 private:
  void (*previous_)(int) = SIG_DFL;
};

int Run(const RunArguments& arguments, std::ostream& out, std::ostream& err, const HandlerTable& handlers,
        bool errIsTerminal) {
  const std::size_t filter = FilterOfRun(arguments);
  std::vector<std::string> files;
  for (const auto& file : arguments.files) files.push_back(AbsolutePath(file));

  JobList jobs;
  jobs.AddChosen(filter, files);
  RunContext context;
  TerminalSurface surface(out, err, errIsTerminal);
  CliFrontEnd frontEnd(std::move(jobs), AbsolutePath(arguments.target), surface, err);
  JobRunner runner(context, surface, frontEnd, handlers);
  const StopOnInterrupt stopOnInterrupt(context.StopRequested);
  try {
    runner.BProcessClick();
  } catch (...) {
    surface.EndProgressLine();
    throw;
  }
  return frontEnd.Stopped() ? kExitStopped : kExitCompleted;
}

}  // namespace

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const HandlerTable& handlers, bool errIsTerminal) {
  CLI::App app{
      "Extract\\Insert Tool: takes resources out of Double Pack archives (.nam + .rsr) and\n"
      "bitmap fonts (.fnt), and builds new ones from the edited files by replaying the\n"
      "extraction log (result.log).",
      "xitool"};
  app.require_subcommand(1);
  RunArguments arguments;
  CLI::App* run = app.add_subcommand("run", "Run a job list into a target directory, as the window's run command does");
  run->add_option("--kind", arguments.kind,
                  "What the files are: nam (archives to extract), fnt (fonts to extract),\n"
                  "log (extraction logs to replay), lst (a project list of logs to replay).\n"
                  "May be left out when every file's extension names the same kind.")
      ->check(CLI::IsMember({"nam", "fnt", "log", "lst"}));
  run->add_option("--target", arguments.target, "Target directory, created with its missing parents")->required();
  run->add_option("files", arguments.files, "The files to queue")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& parseError) {
    const int status = app.exit(parseError, out, err);
    return status == 0 ? kExitCompleted : kExitUsage;
  }

  try {
    return Run(arguments, out, err, handlers, errIsTerminal);
  } catch (const UsageError& usage) {
    err << usage.what() << '\n';
    return kExitUsage;
  } catch (const std::bad_alloc&) {
    err << ErrorBoxText("Out of memory") << '\n';
    return kExitError;
  } catch (const std::exception& error) {
    err << ErrorBoxText(error.what()) << '\n';
    return kExitError;
  }
}

}  // namespace xi
