#pragma once

#include "jobs/StatusSurface.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;

namespace xi {

// The status surface on the window's controls. The bars' numbers (and their
// clamping) live in StatusSurface; the controls only show them. The pump
// handles the window's waiting events.
class WindowSurface : public StatusSurface {
 public:
  struct Controls {
    QLabel* currentMessage;
    QProgressBar* progress;
    QProgressBar* total;
    QLabel* extracted;
    QTextEdit* results;
    QPushButton* stop;
    QPushButton* saveLog;
  };

  explicit WindowSurface(const Controls& controls) : controls_(controls) {}

  void SetStatusText(const std::string& text) override;
  void SetCounterText(const std::string& text) override;
  void ClearResults() override;
  [[nodiscard]] bool ResultsHoldLine() const override;
  void AppendResult(const std::string& line) override;
  void FocusResults() override;
  void EnableStop(bool enabled) override;
  void EnableSaveLog(bool enabled) override;
  void Pump() override;

 protected:
  void ShowProgress(int position) override;
  void ShowTotal(int position, int maximum) override;

 private:
  Controls controls_;
};

}  // namespace xi
