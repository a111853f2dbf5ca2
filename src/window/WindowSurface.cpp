#include "window/WindowSurface.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>

namespace xi {

void WindowSurface::SetStatusText(const std::string& text) {
  controls_.currentMessage->setText(QString::fromStdString(text));
}

void WindowSurface::SetCounterText(const std::string& text) {
  controls_.extracted->setText(QString::fromStdString(text));
}

void WindowSurface::ClearResults() { controls_.results->clear(); }

bool WindowSurface::ResultsHoldLine() const { return !controls_.results->document()->isEmpty(); }

void WindowSurface::AppendResult(const std::string& line) { controls_.results->append(QString::fromStdString(line)); }

void WindowSurface::FocusResults() { controls_.results->setFocus(); }

void WindowSurface::EnableStop(bool enabled) { controls_.stop->setEnabled(enabled); }

void WindowSurface::EnableSaveLog(bool enabled) { controls_.saveLog->setEnabled(enabled); }

void WindowSurface::Pump() { QCoreApplication::processEvents(); }

void WindowSurface::ShowProgress(int position) { controls_.progress->setValue(position); }

void WindowSurface::ShowTotal(int position, int maximum) {
  controls_.total->setMaximum(maximum);
  controls_.total->setValue(position);
}

}  // namespace xi
