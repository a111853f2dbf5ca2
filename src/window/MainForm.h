#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "jobs/JobList.h"
#include "jobs/JobRunner.h"
#include "window/WindowDialogs.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QToolBar;

namespace xi {

class WindowSurface;

inline constexpr const char* kApplicationTitle = "Extract\\Insert Tool";

// The main window: the job list, the results pane and the process box, and
// the commands around a run. Every command runs inside one guard that shows
// an error in the error box and lets the window go on.
class TMainForm : public QWidget, private RunFrontEnd {
  Q_OBJECT

 public:
  TMainForm(WindowDialogs& dialogs, HandlerTable handlers, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The commands.
  void BAddLogClick();
  void BRemLogClick();
  void BProcessClick();
  void BSaveListClick();
  void StopClick();
  void BExitClick();
  void SaveLogClick();
  void BClearAllClick();
  // Files dropped on the job list, added with the filter their extension names.
  void AddDroppedFiles(const std::vector<std::string>& paths);

  [[nodiscard]] JobKind CurrentKind() const override { return jobs_.CurrentKind(); }
  [[nodiscard]] const RunContext& Context() const { return *context_; }
  [[nodiscard]] bool Running() const { return runner_ && runner_->Running(); }

  // The controls, under their names.
  QToolBar* ToolBar1 = nullptr;
  QAction* BAddLog = nullptr;
  QAction* BSaveList = nullptr;
  QAction* BRemLog = nullptr;
  QAction* BClearAll = nullptr;
  QAction* BProcess = nullptr;
  QAction* BExit = nullptr;
  QListWidget* LogList = nullptr;
  QTextEdit* Results = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* CurrentMessage = nullptr;
  QLabel* Extracted = nullptr;
  QPushButton* SaveLog = nullptr;
  QPushButton* Stop = nullptr;
  QProgressBar* Progress = nullptr;
  QProgressBar* Total = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate(HandlerTable handlers);
  void FormDestroy();
  void CreateToolBar();
  void CreateJobList();
  void CreateResults();
  void CreateProcessBox();
  QAction* AddToolButton(const char* name, int picture, const char* tip, void (TMainForm::*command)());

  // Runs a command; an error ends it and shows the error box.
  template <typename Command>
  void Guarded(Command command);
  void ShowError(const std::string& message);

  void AddChosen(std::size_t filter, const std::vector<std::string>& files);
  void EnableListCommands(bool enabled);
  void ShowJobList();

  // What the runner asks of its front end.
  [[nodiscard]] std::size_t JobCount() const override { return jobs_.Count(); }
  [[nodiscard]] std::string JobPath(std::size_t index) const override { return jobs_.Paths().at(index); }
  [[nodiscard]] std::optional<std::string> ChooseTargetDir(const std::string& startDir) override;
  void ShowCompletion(const std::string& text, const std::string& caption) override;

  WindowDialogs& dialogs_;
  JobList jobs_;
  std::size_t lastFilter_ = 0;
  std::unique_ptr<RunContext> context_;
  std::unique_ptr<WindowSurface> surface_;
  std::unique_ptr<JobRunner> runner_;
  bool closeRequested_ = false;
};

}  // namespace xi
