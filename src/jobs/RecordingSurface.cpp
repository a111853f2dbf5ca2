#include "jobs/RecordingSurface.h"

namespace xi {

void RecordingSurface::SetStatusText(const std::string& text) {
  statusText = text;
  statusTexts.push_back(text);
}

void RecordingSurface::SetCounterText(const std::string& text) { counterText = text; }

void RecordingSurface::Pump() {
  ++pumpCount;
  if (OnPump) OnPump();
}

}  // namespace xi
