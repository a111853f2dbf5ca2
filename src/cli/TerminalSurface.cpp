#include "cli/TerminalSurface.h"

namespace xi {
namespace {
constexpr const char* kClearLine = "\r\x1b[K";
}

TerminalSurface::TerminalSurface(std::ostream& out, std::ostream& err, bool drawProgress)
    : out_(out), err_(err), drawProgress_(drawProgress) {}

void TerminalSurface::SetStatusText(const std::string& text) {
  status_ = text;
  Redraw();
}

void TerminalSurface::SetCounterText(const std::string& text) {
  counter_ = text;
  Redraw();
}

void TerminalSurface::AppendResult(const std::string& line) {
  EndProgressLine();
  out_ << line << '\n' << std::flush;
  holdsLine_ = true;
}

void TerminalSurface::ShowProgress(int position) {
  progress_ = position;
  Redraw();
}

void TerminalSurface::ShowTotal(int position, int maximum) {
  total_ = position;
  totalMaximum_ = maximum;
  Redraw();
}

void TerminalSurface::Redraw() {
  if (!drawProgress_) return;
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
