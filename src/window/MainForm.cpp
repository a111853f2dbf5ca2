#include "window/MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

#include "platform/Error.h"
#include "platform/HostPath.h"
#include "platform/LineList.h"
#include "platform/ReplacingFile.h"
#include "window/RtfWriter.h"
#include "window/ToolbarIcons.h"
#include "window/WindowSurface.h"

namespace xi {
namespace {

// The window's outline: client area, and the heights of its bands.
constexpr int kClientWidth = 688;
constexpr int kClientHeight = 464;
constexpr int kToolBarHeight = 26;
constexpr int kLogListHeight = 189;
constexpr int kGroupBoxHeight = 66;

QString FromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

}  // namespace

TMainForm::TMainForm(WindowDialogs& dialogs, HandlerTable handlers, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
  setObjectName("MainForm");
  setWindowTitle(kApplicationTitle);
  setFixedSize(kClientWidth, kClientHeight);
  CreateToolBar();
  CreateJobList();
  CreateResults();
  CreateProcessBox();
  FormCreate(std::move(handlers));
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::FormCreate(HandlerTable handlers) {
  context_ = std::make_unique<RunContext>();
  surface_ = std::make_unique<WindowSurface>(
      WindowSurface::Controls{CurrentMessage, Progress, Total, Extracted, Results, Stop, SaveLog});
  RunFrontEnd& frontEnd = *this;
  runner_ = std::make_unique<JobRunner>(*context_, *surface_, frontEnd, std::move(handlers));
}

void TMainForm::FormDestroy() {
  runner_.reset();
  surface_.reset();
  context_.reset();
}

void TMainForm::CreateToolBar() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setGeometry(0, 0, kClientWidth, kToolBarHeight);
  ToolBar1->setIconSize(QSize(16, 16));
  ToolBar1->setStyleSheet("QToolBar { border: 1px solid palette(mid); }");
  BAddLog = AddToolButton("BAddLog", 0, "Add files to the job list", &TMainForm::BAddLogClick);
  BSaveList = AddToolButton("BSaveList", 1, "Save the job list as a project list", &TMainForm::BSaveListClick);
  BRemLog = AddToolButton("BRemLog", 2, "Remove the selected jobs", &TMainForm::BRemLogClick);
  BClearAll = AddToolButton("BClearAll", 5, "Clear the job list", &TMainForm::BClearAllClick);
  BProcess = AddToolButton("BProcess", 3, "Run the job list into a target directory", &TMainForm::BProcessClick);
  BExit = AddToolButton("BExit", 4, "Close the window", &TMainForm::BExitClick);
  EnableListCommands(false);
}

QAction* TMainForm::AddToolButton(const char* name, int picture, const char* tip, void (TMainForm::*command)()) {
  static constexpr ToolbarPicture kPictures[] = {ToolbarPicture::Add,    ToolbarPicture::SaveList,
                                                 ToolbarPicture::Remove, ToolbarPicture::Process,
                                                 ToolbarPicture::Exit,   ToolbarPicture::ClearAll};
  QAction* action = ToolBar1->addAction(ToolbarIcon(kPictures[picture]), QString());
  action->setObjectName(name);
  action->setToolTip(tip);
  connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
  return action;
}

void TMainForm::CreateJobList() {
  LogList = new QListWidget(this);
  LogList->setObjectName("LogList");
  LogList->setGeometry(0, kToolBarHeight, kClientWidth, kLogListHeight);
  LogList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LogList->setSortingEnabled(false);
  LogList->setAcceptDrops(true);
  LogList->viewport()->setAcceptDrops(true);
  LogList->installEventFilter(this);
  LogList->viewport()->installEventFilter(this);
}

void TMainForm::CreateResults() {
  Results = new QTextEdit(this);
  Results->setObjectName("Results");
  const int top = kToolBarHeight + kLogListHeight;
  Results->setGeometry(0, top, kClientWidth, kClientHeight - top - kGroupBoxHeight);
  Results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Results->setAcceptRichText(true);
}

void TMainForm::CreateProcessBox() {
  GroupBox1 = new QGroupBox(" Process ", this);
  GroupBox1->setObjectName("GroupBox1");
  GroupBox1->setGeometry(0, kClientHeight - kGroupBoxHeight, kClientWidth, kGroupBoxHeight);
  CurrentMessage = new QLabel(GroupBox1);
  CurrentMessage->setObjectName("CurrentMessage");
  CurrentMessage->setGeometry(12, 16, 320, 15);
  Extracted = new QLabel("Extracted: 0", GroupBox1);
  Extracted->setObjectName("Extracted");
  Extracted->setGeometry(334, 14, 170, 15);
  SaveLog = new QPushButton("Save results", GroupBox1);
  SaveLog->setObjectName("SaveLog");
  SaveLog->setGeometry(506, 10, 105, 19);
  SaveLog->setEnabled(false);
  connect(SaveLog, &QPushButton::clicked, this, [this] { SaveLogClick(); });
  Stop = new QPushButton("Stop", GroupBox1);
  Stop->setObjectName("Stop");
  Stop->setGeometry(612, 10, 71, 19);
  Stop->setEnabled(false);
  connect(Stop, &QPushButton::clicked, this, [this] { StopClick(); });
  for (QProgressBar** bar : {&Progress, &Total}) {
    *bar = new QProgressBar(GroupBox1);
    (*bar)->setRange(0, 100);
    (*bar)->setValue(0);
    (*bar)->setTextVisible(false);
  }
  Progress->setObjectName("Progress");
  Progress->setGeometry(12, 32, 671, 13);
  Total->setObjectName("Total");
  Total->setGeometry(12, 48, 671, 13);
}

template <typename Command>
void TMainForm::Guarded(Command command) {
  try {
    command();
  } catch (const std::bad_alloc&) {
    ShowError("Out of memory");
  } catch (const std::exception& error) {
    ShowError(error.what());
  }
}

void TMainForm::ShowError(const std::string& message) {
  dialogs_.ShowMessage(ErrorBoxText(message), kApplicationTitle, MessageIcon::Stop);
}

void TMainForm::EnableListCommands(bool enabled) {
  for (QAction* command : {BClearAll, BRemLog, BProcess, BSaveList}) command->setEnabled(enabled);
}

void TMainForm::ShowJobList() {
  LogList->clear();
  for (const auto& path : jobs_.Paths()) LogList->addItem(FromLocal(path));
}

void TMainForm::BAddLogClick() {
  if (Running()) return;
  BRemLog->setEnabled(false);
  BProcess->setEnabled(false);
  BSaveList->setEnabled(false);
  Guarded([this] {
    if (const auto choice = dialogs_.ChooseFilesToAdd(lastFilter_)) {
      lastFilter_ = choice->filter;
      AddChosen(choice->filter, choice->files);
    }
    if (jobs_.Count() != 0) EnableListCommands(true);
  });
}

void TMainForm::AddChosen(std::size_t filter, const std::vector<std::string>& files) {
  try {
    jobs_.AddChosen(filter, files);
  } catch (...) {
    ShowJobList();
    throw;
  }
  ShowJobList();
}

void TMainForm::AddDroppedFiles(const std::vector<std::string>& paths) {
  if (Running() || paths.empty()) return;
  Guarded([&] {
    std::optional<std::size_t> filter;
    for (const auto& path : paths) {
      const auto own = FilterOfExtension(path);
      if (!own) throw Error("Only .nam, .fnt, .lst and .log files can be added: " + NamePart(path));
      if (filter && *filter != *own) throw Error("Drop files of one kind at a time");
      filter = own;
    }
    BRemLog->setEnabled(false);
    BProcess->setEnabled(false);
    BSaveList->setEnabled(false);
    AddChosen(*filter, paths);
    if (jobs_.Count() != 0) EnableListCommands(true);
  });
}

void TMainForm::BRemLogClick() {
  if (Running()) return;
  Guarded([this] {
    std::vector<std::size_t> selected;
    for (int row = 0; row < LogList->count(); ++row) {
      if (LogList->item(row)->isSelected()) selected.push_back(static_cast<std::size_t>(row));
    }
    jobs_.RemoveAt(selected);
    ShowJobList();
    if (LogList->count() == 0) {
      EnableListCommands(false);
      return;
    }
    LogList->setCurrentRow(LogList->count() - 1, QItemSelectionModel::NoUpdate);
  });
}

void TMainForm::BClearAllClick() {
  if (Running()) return;
  jobs_.Clear();
  ShowJobList();
  EnableListCommands(false);
}

void TMainForm::BSaveListClick() {
  Guarded([this] {
    const auto file = dialogs_.ChooseProjectListFile();
    if (!file) return;
    LineList list;
    list.Assign(jobs_.Paths());
    list.SaveToFile(*file);
  });
}

void TMainForm::SaveLogClick() {
  Guarded([this] {
    const auto file = dialogs_.ChooseResultsFile();
    if (!file) return;
    const std::string rtf = RichTextDocument(Results->toPlainText().toStdU16String());
    ReplacingFile output(*file);
    output.Stream().Write(std::span(reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size()));
    output.Commit();
    dialogs_.ShowMessage(NamePart(*file), "Operation status", MessageIcon::Information);
    SaveLog->setEnabled(false);
  });
}

void TMainForm::StopClick() { runner_->RequestStop(); }

void TMainForm::BExitClick() { close(); }

void TMainForm::BProcessClick() {
  if (Running()) return;
  // While the run goes, the list cannot change under it.
  const bool listCommands = BProcess->isEnabled();
  BAddLog->setEnabled(false);
  EnableListCommands(false);
  Guarded([this] { runner_->BProcessClick(); });
  BAddLog->setEnabled(true);
  EnableListCommands(listCommands);
  if (closeRequested_) close();
}

std::optional<std::string> TMainForm::ChooseTargetDir(const std::string& startDir) {
  return dialogs_.ChooseTargetDir(startDir);
}

void TMainForm::ShowCompletion(const std::string& text, const std::string& caption) {
  if (closeRequested_) return;  // the user is closing the window: no box to answer
  dialogs_.ShowMessage(text, caption, MessageIcon::Information);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (Running()) {
    // The job that is going ends first; the window closes after it.
    closeRequested_ = true;
    runner_->RequestStop();
    event->ignore();
    return;
  }
  event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LogList && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    if (BRemLog->isEnabled()) BRemLogClick();
    return true;
  }
  if (watched != LogList->viewport()) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData()->hasUrls() && !Running()) drag->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> paths;
    for (const QUrl& url : drop->mimeData()->urls()) {
      if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    drop->acceptProposedAction();
    AddDroppedFiles(paths);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace xi
