#include "replay/ReplayLogFile.h"

#include "platform/Directory.h"
#include "platform/HostPath.h"
#include "replay/LogFormat.h"

namespace xi {
namespace {

// Opens the source a "#Source:" line names and hands it to the handler of
// the format in force; returns the line index to go on from.
long long ReplaySource(RunContext& context, StatusSurface& surface, const std::string& path, long long line,
                       const InsertHandlers& handlers) {
  context.SourceStream.reset();
  if (!PathExists(path)) return line;  // a source that is gone: the line is done
  context.SourceStream = ReadStream::Open(path);
  context.SourcePath = path;
  surface.SetStatusText(ProcessingText(NamePart(path)));
  const auto handler = handlers.find(context.ReplayFormat);
  if (handler == handlers.end() || !handler->second) return line;
  return handler->second(context, surface, JoinPath(context.TargetDir, NamePart(path)), line + 1);
}

// Examines one line; returns the index of the last line it dealt with.
long long ReplayLine(RunContext& context, StatusSurface& surface, long long line, const InsertHandlers& handlers) {
  const std::string text = context.ReplayLog.At(line);
  const auto directive = DirectiveOf(text);
  context.ReplayPlainLine = directive ? 0 : 1;
  if (!directive) return line;
  const std::string value(DirectiveValue(text));
  context.ReplayLog.Set(line, value);
  switch (*directive) {
    case Directive::Format:
      context.ReplayFormat = ReplayFormatOf(value);  // kNoReplayFormat unless it names one
      return line;
    case Directive::Source:
      return ReplaySource(context, surface, value, line, handlers);
    case Directive::Target:
      return line;
  }
  return line;
}

}  // namespace

void ReplayLogFile(RunContext& context, StatusSurface& surface, const std::string& logPath,
                   const InsertHandlers& handlers) {
  context.ReplayLog.Clear();
  context.ReplayLog.LoadFromFile(logPath);
  const std::string status = ProcessingText(NamePart(logPath));
  surface.SetStatusText(status);
  surface.SetTotalMaximum(100);
  surface.SetTotalPosition(0);
  context.ReplayFormat = kNoReplayFormat;
  const auto count = static_cast<long long>(context.ReplayLog.Count());
  for (long long line = 0; line < count; ++line) {
    surface.SetStatusText(status);
    // A log of one line is at its last line at once.
    surface.SetTotalPosition(count > 1 ? static_cast<int>(line * 100 / (count - 1)) : 100);
    line = ReplayLine(context, surface, line, handlers);
    context.SourceStream.reset();
    surface.SetProgressPosition(surface.ProgressPosition() + 1);
    surface.Pump();
  }
}

}  // namespace xi
