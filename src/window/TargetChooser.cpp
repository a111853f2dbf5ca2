#include "window/TargetChooser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/Directory.h"

namespace xi {

TargetChooser::TargetChooser(QWidget* owner, const QString& startDir)
    : QDialog(owner), model_(new QFileSystemModel(this)), tree_(new QTreeView(this)), path_(new QLineEdit(this)) {
  setWindowTitle("Select target directory");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(460, 380);
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QDir::rootPath());
  tree_->setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
  tree_->setHeaderHidden(true);
  const QModelIndex start = model_->index(startDir);
  tree_->setCurrentIndex(start);
  tree_->scrollTo(start);
  tree_->expand(start);
  path_->setText(startDir);
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { path_->setText(model_->filePath(current)); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TargetChooser::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TargetChooser::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_);
  layout->addWidget(new QLabel("Directory (type a new one to create it):", this));
  layout->addWidget(path_);
  layout->addWidget(buttons);
  // Typing goes to the path at once; the tree is there to browse.
  path_->setFocus();
  path_->selectAll();
  connect(model_, &QFileSystemModel::directoryLoaded, this, [this](const QString&) {
    const QModelIndex current = model_->index(ChosenPath());
    if (current.isValid()) tree_->scrollTo(current);
  });
}

QString TargetChooser::ChosenPath() const { return QDir::cleanPath(path_->text().trimmed()); }

void TargetChooser::accept() {
  const QString path = ChosenPath();
  if (path.isEmpty()) return;
  const std::string local = QFile::encodeName(path).toStdString();
  if (!PathExists(local)) {
    const auto answer =
        QMessageBox::question(this, windowTitle(), QString("The directory %1 does not exist. Create it?").arg(path),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) return;
    // A failure to create shows when the run writes its first output.
    CreateDirectoryWithParents(local);
  }
  QDialog::accept();
}

}  // namespace xi
