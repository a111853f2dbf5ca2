#include "jobs/StatusSurface.h"

#include <algorithm>

namespace xi {

void BarState::SetPosition(int position) { position_ = std::clamp(position, 0, maximum_); }

void BarState::SetMaximum(int maximum) {
  maximum_ = std::max(maximum, 0);
  position_ = std::min(position_, maximum_);
}

void StatusSurface::SetProgressPosition(int position) {
  progress_.SetPosition(position);
  ShowProgress(progress_.Position());
}

void StatusSurface::SetTotalMaximum(int maximum) {
  total_.SetMaximum(maximum);
  ShowTotal(total_.Position(), total_.Maximum());
}

void StatusSurface::SetTotalPosition(int position) {
  total_.SetPosition(position);
  ShowTotal(total_.Position(), total_.Maximum());
}

void ReportProgress(StatusSurface& surface, int percent) {
  if (surface.ProgressPosition() == percent) return;
  surface.SetProgressPosition(percent);
  surface.Pump();
}

std::string ProcessingText(const std::string& name) { return "Processing " + name + "..."; }

}  // namespace xi
