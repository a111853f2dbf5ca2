#pragma once

#include <string>

namespace xi {

// A progress bar's numbers. The minimum is 0 and never changes; a position
// outside minimum..maximum is stored as the nearer bound, and reading the
// position returns what was stored.
class BarState {
 public:
  [[nodiscard]] int Position() const { return position_; }
  [[nodiscard]] int Maximum() const { return maximum_; }
  void SetPosition(int position);
  void SetMaximum(int maximum);

 private:
  int position_ = 0;
  int maximum_ = 100;
};

// Everything a user sees of a running job: the status line (CurrentMessage),
// the per-file bar (Progress), the overall bar (Total), the counter label
// (Extracted), the results pane (Results), the Stop and SaveLog buttons, and
// the pump that keeps the front end alive. The bars' numbers live here, so
// every front end keeps the same clamping; front ends only draw them.
class StatusSurface {
 public:
  StatusSurface() = default;
  StatusSurface(const StatusSurface&) = delete;
  StatusSurface& operator=(const StatusSurface&) = delete;
  virtual ~StatusSurface() = default;

  virtual void SetStatusText(const std::string& text) = 0;

  [[nodiscard]] int ProgressPosition() const { return progress_.Position(); }
  void SetProgressPosition(int position);

  [[nodiscard]] int TotalPosition() const { return total_.Position(); }
  [[nodiscard]] int TotalMaximum() const { return total_.Maximum(); }
  void SetTotalMaximum(int maximum);
  void SetTotalPosition(int position);

  virtual void SetCounterText(const std::string& text) = 0;

  virtual void ClearResults() = 0;
  [[nodiscard]] virtual bool ResultsHoldLine() const = 0;
  virtual void AppendResult(const std::string& line) = 0;
  virtual void FocusResults() = 0;

  virtual void EnableStop(bool enabled) = 0;
  virtual void EnableSaveLog(bool enabled) = 0;

  // Handles every front-end event already waiting, then returns; never waits.
  virtual void Pump() = 0;

 protected:
  virtual void ShowProgress(int position) = 0;
  virtual void ShowTotal(int position, int maximum) = 0;

 private:
  BarState progress_;
  BarState total_;
};

// Sets the per-file bar to percent and pumps, but only when the bar does not
// show percent already: an unchanged value costs nothing, not even a pump.
void ReportProgress(StatusSurface& surface, int percent);

// "Processing " + name + "...", the status text of every handler.
[[nodiscard]] std::string ProcessingText(const std::string& name);

}  // namespace xi
