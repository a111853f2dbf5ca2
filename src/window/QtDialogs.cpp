#include "window/QtDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "jobs/JobList.h"
#include "window/TargetChooser.h"

namespace xi {
namespace {

std::string ToLocal(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<std::string> SaveFile(QWidget* owner, const char* title, const char* filter, const char* suffix) {
  QFileDialog dialog(owner, title, QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToLocal(dialog.selectedFiles().first());
}

}  // namespace

std::optional<AddChoice> QtDialogs::ChooseFilesToAdd(std::size_t lastFilter) {
  QStringList filters;
  for (const AddFilter& filter : kAddFilters) filters << filter.label;
  QFileDialog dialog(owner_, "Select file...");
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.value(static_cast<int>(lastFilter)));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  AddChoice choice;
  choice.filter = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
  for (const QString& file : dialog.selectedFiles()) choice.files.push_back(ToLocal(file));
  return choice;
}

std::optional<std::string> QtDialogs::ChooseProjectListFile() {
  return SaveFile(owner_, "Select file...", "Project list files (*.lst)", "lst");
}

std::optional<std::string> QtDialogs::ChooseResultsFile() {
  return SaveFile(owner_, "Select target...", "Text files (*.txt)", "txt");
}

std::optional<std::string> QtDialogs::ChooseTargetDir(const std::string& startDir) {
  TargetChooser chooser(owner_, QFile::decodeName(QByteArray::fromStdString(startDir)));
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  return ToLocal(chooser.ChosenPath());
}

void QtDialogs::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                  QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok, owner_);
  box.exec();
}

}  // namespace xi
