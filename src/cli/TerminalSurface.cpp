#include "cli/TerminalSurface.h"

#include <chrono>

namespace xi {
namespace {
constexpr const char* kClearLine = "\r\x1b[K";
// The counter can change with every file: the line is drawn at most this often.
constexpr std::chrono::milliseconds kRedrawInterval{50};
}  // namespace

TerminalSurface::TerminalSurface(std::ostream& out, std::ostream& err, bool drawProgress)
    : out_(out), err_(err), drawProgress_(drawProgress) {}

void TerminalSurface::SetStatusText(const std::string& text) {
  status_ = text;
  Redraw(true);
}

void TerminalSurface::SetCounterText(const std::string& text) {
  counter_ = text;
  Redraw(false);
}

void TerminalSurface::AppendResult(const std::string& line) {
  EndProgressLine();
  out_ << line << '\n' << std::flush;
  holdsLine_ = true;
}

void TerminalSurface::ShowProgress(int position) {
  progress_ = position;
  Redraw(false);
}

void TerminalSurface::ShowTotal(int position, int maximum) {
  total_ = position;
  totalMaximum_ = maximum;
  Redraw(false);
}

void TerminalSurface::Redraw(bool always) {
  if (!drawProgress_) return;
  const auto now = std::chrono::steady_clock::now();
  if (!always && lineDrawn_ && now - lastDrawn_ < kRedrawInterval) return;
  lastDrawn_ = now;
  const int totalPercent = totalMaximum_ > 0 ? total_ * 100 / totalMaximum_ : 0;
  err_ << kClearLine << status_ << "  file " << progress_ << "%  all " << totalPercent << "%";
  if (!counter_.empty()) err_ << "  " << counter_;
  err_ << std::flush;
  lineDrawn_ = true;
}

void TerminalSurface::EndProgressLine() {
  if (!lineDrawn_) return;
  err_ << kClearLine << std::flush;
  lineDrawn_ = false;
}

}  // namespace xi
