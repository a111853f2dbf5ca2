#include "window/MainForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <deque>
#include <filesystem>

#include "TestFiles.h"
#include "doublepack/TestArchive.h"
#include "jobs/StandardHandlers.h"
#include "window/WindowSurface.h"

namespace xi {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

constexpr std::size_t kNam = 0;
constexpr std::size_t kFnt = 1;
constexpr std::size_t kLst = 2;

// Answers the window's dialogs from queues, and records the boxes shown.
class ScriptedDialogs : public WindowDialogs {
 public:
  std::optional<AddChoice> ChooseFilesToAdd(std::size_t lastFilter) override {
    filtersOffered.push_back(lastFilter);
    return Next(adds);
  }
  std::optional<std::string> ChooseProjectListFile() override { return Next(saves); }
  std::optional<std::string> ChooseResultsFile() override { return Next(saves); }
  std::optional<std::string> ChooseTargetDir(const std::string&) override {
    ++targetsAsked;
    return Next(targets);
  }
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    boxes.push_back((icon == MessageIcon::Stop ? "[stop] " : "[info] ") + caption + ": " + text);
  }

  std::deque<std::optional<AddChoice>> adds;
  std::deque<std::optional<std::string>> saves;
  std::deque<std::optional<std::string>> targets;
  std::vector<std::size_t> filtersOffered;
  Lines boxes;
  int targetsAsked = 0;

 private:
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto next = queue.front();
    queue.pop_front();
    return next;
  }
};

class MainFormTest : public testing::Test {
 protected:
  MainFormTest() : form(dialogs, StandardHandlers()) { form.show(); }

  void Add(std::size_t filter, const Lines& files) {
    dialogs.adds.push_back(AddChoice{filter, files});
    form.BAddLogClick();
  }

  [[nodiscard]] Lines Listed() const {
    Lines listed;
    for (int row = 0; row < form.LogList->count(); ++row)
      listed.push_back(form.LogList->item(row)->text().toStdString());
    return listed;
  }

  // BClearAll, BRemLog, BProcess, BSaveList.
  [[nodiscard]] std::string ListCommands() const {
    std::string flags;
    for (const QAction* command : {form.BClearAll, form.BRemLog, form.BProcess, form.BSaveList}) {
      flags += command->isEnabled() ? '1' : '0';
    }
    return flags;
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  TMainForm form;
};

TEST_F(MainFormTest, TheWindowAndItsControls) {
  EXPECT_EQ(form.windowTitle(), "Extract\\Insert Tool");
  EXPECT_EQ(form.size(), QSize(688, 464));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.Extracted->text(), "Extracted: 0");
  EXPECT_EQ(form.SaveLog->text(), "Save results");
  EXPECT_EQ(form.Stop->text(), "Stop");
  EXPECT_FALSE(form.Stop->isEnabled());
  EXPECT_FALSE(form.SaveLog->isEnabled());
  EXPECT_EQ(form.LogList->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(form.BProcess->toolTip(), "Run the job list into a target directory");
  EXPECT_FALSE(form.BAddLog->icon().isNull());
  EXPECT_EQ(form.findChild<QListWidget*>("LogList"), form.LogList);
}

TEST_F(MainFormTest, ListCommandsFollowTheEnableTable) {
  WriteFile(dir / "empty.lst", "");
  const struct {
    const char* event;
    std::function<void()> step;
    const char* flags;  // BClearAll, BRemLog, BProcess, BSaveList
  } steps[] = {
      {"start", [] {}, "0000"},
      {"add, list not empty",
       [&] {
         Add(kNam, {"/a.nam", "/b.nam"});
       },
       "1111"},
      {"add cancelled, list not empty", [&] { form.BAddLogClick(); }, "1111"},
      {"remove, entries remain", [&] { form.LogList->item(0)->setSelected(true), form.BRemLogClick(); }, "1111"},
      {"add, list empty afterwards: BClearAll unchanged", [&] { Add(kLst, {dir / "empty.lst"}); }, "1000"},
      {"add, list not empty again", [&] { Add(kNam, {"/c.nam"}); }, "1111"},
      {"remove the last entry", [&] { form.LogList->item(0)->setSelected(true), form.BRemLogClick(); }, "0000"},
      {"add", [&] { Add(kFnt, {"/f.fnt"}); }, "1111"},
      {"clear", [&] { form.BClearAllClick(); }, "0000"},
  };
  for (const auto& step : steps) {
    step.step();
    EXPECT_EQ(ListCommands(), step.flags) << step.event;
    EXPECT_TRUE(form.BAddLog->isEnabled()) << step.event;
    EXPECT_TRUE(form.BExit->isEnabled()) << step.event;
  }
}

TEST_F(MainFormTest, TheFilterDecidesTheKindAndAnotherKindEmptiesTheList) {
  Add(kNam, {"/a.nam", "/b.nam"});
  Add(kNam, {"/c.nam", "/a.nam"});
  EXPECT_EQ(Listed(), (Lines{"/a.nam", "/b.nam", "/c.nam", "/a.nam"}));
  Add(kFnt, {"/d.nam"});
  EXPECT_EQ(Listed(), Lines{"/d.nam"});
  EXPECT_EQ(form.CurrentKind(), kFontJob);
  form.BAddLogClick();  // the dialog opens with the last confirmed filter
  EXPECT_EQ(dialogs.filtersOffered, (std::vector<std::size_t>{0, 0, 0, 1}));
}

TEST_F(MainFormTest, AProjectListReplacesTheList) {
  WriteFile(dir / "lf.lst", "/x/a.log\n/x/b.log\n");
  WriteFile(dir / "cr.lst", "/y/a.log\r\r/y/c.log");
  Add(kLst, {dir / "lf.lst"});
  EXPECT_EQ(Listed(), (Lines{"/x/a.log", "/x/b.log"}));
  Add(kLst, {dir / "cr.lst", dir / "lf.lst"});
  EXPECT_EQ(Listed(), (Lines{"/y/a.log", "", "/y/c.log"}));
  EXPECT_EQ(form.CurrentKind(), kProjectListJob);
}

TEST_F(MainFormTest, RemovingKeepsTheRestAndMakesTheLastCurrent) {
  Add(kNam, {"1", "2", "3", "4", "5"});
  for (int row = 0; row < 3; ++row) form.LogList->item(row)->setSelected(true);
  form.BRemLogClick();
  EXPECT_EQ(Listed(), (Lines{"4", "5"}));
  EXPECT_EQ(form.LogList->currentRow(), 1);
  EXPECT_TRUE(form.LogList->selectedItems().isEmpty());
  // The Delete key removes the selection too.
  form.LogList->item(0)->setSelected(true);
  QTest::keyClick(form.LogList, Qt::Key_Delete);
  EXPECT_EQ(Listed(), Lines{"5"});
}

TEST_F(MainFormTest, SavingTheListAndTheResults) {
  Add(kNam, {"/data/a.nam", "/data/b.nam"});
  dialogs.saves.push_back(dir / "project.lst");
  form.BSaveListClick();
  EXPECT_EQ(ReadFile(dir / "project.lst"), "/data/a.nam\r\n/data/b.nam\r\n");
  EXPECT_TRUE(dialogs.boxes.empty());

  form.Results->setPlainText("Total 5 bytes extracted.\n{typed}");
  form.SaveLog->setEnabled(true);
  dialogs.saves.push_back(dir / "results.txt");
  form.SaveLogClick();
  EXPECT_EQ(dialogs.boxes, Lines{"[info] Operation status: results.txt"});
  EXPECT_FALSE(form.SaveLog->isEnabled());
  const std::string rtf = ReadFile(dir / "results.txt");
  EXPECT_NE(rtf.find("Total 5 bytes extracted.\\par\n\\{typed\\}"), std::string::npos);

  // A file that cannot be written: the error box, and SaveLog stays enabled.
  form.SaveLog->setEnabled(true);
  dialogs.saves.push_back(dir / "no/such/dir/results.txt");
  form.SaveLogClick();
  EXPECT_EQ(dialogs.boxes.back(),
            "[stop] Extract\\Insert Tool: Cannot create file " + (dir / "no/such/dir/results.txt") + ".");
  EXPECT_TRUE(form.SaveLog->isEnabled());
}

TEST_F(MainFormTest, ErrorsShowTheErrorBoxAndTheWindowGoesOn) {
  Add(kNam, {"/a.nam"});
  Add(kLst, {dir / "gone.lst"});
  EXPECT_EQ(dialogs.boxes, Lines{"[stop] Extract\\Insert Tool: Cannot open file " + (dir / "gone.lst") + "."});
  EXPECT_TRUE(Listed().empty());  // another kind: emptied first
  EXPECT_EQ(ListCommands(), "1000");
  // Dropped files: a kind their extension names, or a message.
  form.AddDroppedFiles({"/x/a.NAM", "/x/b.nam"});
  EXPECT_EQ(Listed(), (Lines{"/x/a.NAM", "/x/b.nam"}));
  form.AddDroppedFiles({"/x/picture.png"});
  EXPECT_EQ(dialogs.boxes.back(),
            "[stop] Extract\\Insert Tool: Only .nam, .fnt, .lst and .log files can be added: picture.png.");
  form.AddDroppedFiles({"/x/a.nam", "/x/a.fnt"});
  EXPECT_EQ(dialogs.boxes.back(), "[stop] Extract\\Insert Tool: Drop files of one kind at a time.");
  EXPECT_EQ(Listed(), (Lines{"/x/a.NAM", "/x/b.nam"}));
}

TEST_F(MainFormTest, ARunEndToEnd) {
  test::CurrentDirectoryGuard cwdGuard;
  test::TestArchive()
      .Stored("intro.txt", test::ToBytes("hello"))
      .Stored("b.cfg", test::ToBytes("x=1"))
      .WriteTo(dir / "menu.nam");
  Add(kNam, {dir / "menu.nam"});
  dialogs.targets.push_back(dir / "out");
  fs::create_directory(dir / "out");
  form.BProcessClick();
  EXPECT_EQ(ReadFile(dir / "out/result.log"), "#Format: NAM\r\n#Source: " + (dir / "menu.nam") + "\r\n" +
                                                  (dir / "out/menu.nam/TXT/intro.txt") + "\r\n" +
                                                  (dir / "out/menu.nam/CFG/b.cfg") + "\r\n");
  EXPECT_EQ(dialogs.boxes, Lines{"[info] Process status:: Operation complete!"});
  EXPECT_EQ(form.Progress->value(), 0);
  EXPECT_EQ(form.Total->value(), 0);
  EXPECT_EQ(form.CurrentMessage->text(), "");
  EXPECT_EQ(form.Extracted->text(), "");
  EXPECT_EQ(form.Results->toPlainText(), "Total 8 bytes extracted.");
  EXPECT_TRUE(form.SaveLog->isEnabled());
  EXPECT_FALSE(form.Stop->isEnabled());
  EXPECT_EQ(ListCommands(), "1111");
}

// A window whose handlers are made here, to act during a run.
class GuardedRunTest : public testing::Test {
 protected:
  GuardedRunTest()
      : form(dialogs, {{kDoublePackJob, [this](RunContext&, StatusSurface& surface, const std::string& path) {
                          jobsRun.push_back(path);
                          surface.Pump();
                          if (during) during();
                        }}}) {
    form.show();
    dialogs.adds.push_back(AddChoice{kNam, {"/a.nam", "/b.nam", "/c.nam"}});
    form.BAddLogClick();
    dialogs.targets.push_back(dir.Path());
  }

  test::CurrentDirectoryGuard cwdGuard;
  TempDir dir;
  ScriptedDialogs dialogs;
  Lines jobsRun;
  std::function<void()> during;
  TMainForm form;
};

TEST_F(GuardedRunTest, WhileARunGoesTheListCannotChange) {
  during = [this] {
    EXPECT_FALSE(form.BAddLog->isEnabled());
    EXPECT_FALSE(form.BRemLog->isEnabled());
    EXPECT_FALSE(form.BClearAll->isEnabled());
    EXPECT_TRUE(form.Stop->isEnabled());
    form.BProcessClick();  // a second run cannot start
    form.BClearAllClick();
  };
  form.BProcessClick();
  EXPECT_EQ(jobsRun.size(), 3u);
  EXPECT_EQ(dialogs.targetsAsked, 1);
  EXPECT_EQ(form.LogList->count(), 3);
  EXPECT_TRUE(form.BAddLog->isEnabled());
  EXPECT_TRUE(form.BProcess->isEnabled());
}

TEST_F(GuardedRunTest, StopEndsTheRunAfterTheCurrentJob) {
  during = [this] {
    if (jobsRun.size() == 1) QTest::mouseClick(form.Stop, Qt::LeftButton);
  };
  form.BProcessClick();
  EXPECT_EQ(jobsRun, Lines{"/a.nam"});
  EXPECT_EQ(dialogs.boxes, Lines{"[info] Process status:: Operation stopped!"});
}

TEST_F(GuardedRunTest, ClosingDuringARunClosesOnceTheJobHasEnded) {
  during = [this] {
    if (jobsRun.size() == 1) form.close();
    EXPECT_TRUE(form.isVisible());  // not while the job goes
  };
  form.BProcessClick();
  EXPECT_EQ(jobsRun, Lines{"/a.nam"});
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(dialogs.boxes.empty());
}

TEST(WindowSurface, TheBarsKeepTheClampingRule) {
  QLabel message;
  QLabel extracted;
  QProgressBar progress;
  QProgressBar total;
  QTextEdit results;
  QPushButton stop;
  QPushButton saveLog;
  WindowSurface surface({&message, &progress, &total, &extracted, &results, &stop, &saveLog});
  surface.SetProgressPosition(150);
  EXPECT_EQ(surface.ProgressPosition(), 100);
  EXPECT_EQ(progress.value(), 100);
  surface.SetTotalMaximum(100);
  surface.SetTotalPosition(-3);
  EXPECT_EQ(total.value(), 0);
  EXPECT_FALSE(surface.ResultsHoldLine());
  surface.AppendResult("Total 1 bytes extracted.");
  EXPECT_TRUE(surface.ResultsHoldLine());
}

}  // namespace
}  // namespace xi
