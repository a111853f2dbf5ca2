#pragma once

#include <functional>
#include <string>
#include <vector>

#include "jobs/StatusSurface.h"

namespace xi {

// A status surface with no front end behind it: it records what it was told
// (texts, bar positions, enabled flags, results lines, pumps), so tests can
// look at it afterwards. OnPump, when set, runs inside every pump, standing in
// for whatever a user does while a front end pumps.
class RecordingSurface : public StatusSurface {
 public:
  void SetStatusText(const std::string& text) override;
  void SetCounterText(const std::string& text) override;
  void ClearResults() override { results.clear(); }
  [[nodiscard]] bool ResultsHoldLine() const override { return !results.empty(); }
  void AppendResult(const std::string& line) override { results.push_back(line); }
  void FocusResults() override { ++focusCount; }
  void EnableStop(bool enabled) override { stopEnabled = enabled; }
  void EnableSaveLog(bool enabled) override { saveLogEnabled = enabled; }
  void Pump() override;

  std::string statusText;
  std::vector<std::string> statusTexts;  // every text set, in order
  std::string counterText = "Extracted: 0";
  std::vector<int> progressShown;  // every position the per-file bar drew
  std::vector<int> totalShown;     // every position the overall bar drew
  std::vector<std::string> results;
  bool stopEnabled = false;
  bool saveLogEnabled = false;
  int focusCount = 0;
  int pumpCount = 0;
  std::function<void()> OnPump;

 protected:
  void ShowProgress(int position) override { progressShown.push_back(position); }
  void ShowTotal(int position, int /*maximum*/) override { totalShown.push_back(position); }
};

}  // namespace xi
