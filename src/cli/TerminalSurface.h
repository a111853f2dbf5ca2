#pragma once

#include <chrono>
#include <ostream>
#include <string>

#include "jobs/StatusSurface.h"

namespace xi {

// The command line's status surface. Lines the run leaves in the results pane
// go to `out` as they come. The status text, both bars and the counter are
// drawn as one line on `err`, and only when drawProgress is set (the command
// line sets it when stderr is a terminal).
class TerminalSurface : public StatusSurface {
 public:
  TerminalSurface(std::ostream& out, std::ostream& err, bool drawProgress);

  void SetStatusText(const std::string& text) override;
  void SetCounterText(const std::string& text) override;
  void ClearResults() override { holdsLine_ = false; }
  [[nodiscard]] bool ResultsHoldLine() const override { return holdsLine_; }
  void AppendResult(const std::string& line) override;
  void FocusResults() override {}
  void EnableStop(bool /*enabled*/) override {}
  void EnableSaveLog(bool /*enabled*/) override {}
  void Pump() override {}

  // Clears the progress line, so that what follows starts on a clean line.
  void EndProgressLine();

 protected:
  void ShowProgress(int position) override;
  void ShowTotal(int position, int maximum) override;

 private:
  // Draws the line; unless `always`, not again within a short interval.
  void Redraw(bool always);

  std::ostream& out_;
  std::ostream& err_;
  bool drawProgress_;
  bool lineDrawn_ = false;
  std::chrono::steady_clock::time_point lastDrawn_;
  bool holdsLine_ = false;
  std::string status_;
  std::string counter_;
  int progress_ = 0;
  int total_ = 0;
  int totalMaximum_ = 100;
};

}  // namespace xi
