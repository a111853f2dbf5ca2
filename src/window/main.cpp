#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "jobs/StandardHandlers.h"
#include "window/MainForm.h"
#include "window/QtDialogs.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(xi::kApplicationTitle);
  xi::QtDialogs dialogs(nullptr);
  xi::TMainForm MainForm(dialogs, xi::StandardHandlers());
  dialogs.SetOwner(&MainForm);
  MainForm.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, MainForm.size(),
                                           QGuiApplication::primaryScreen()->availableGeometry()));
  MainForm.show();
  QApplication::exec();
  return 0;
}
