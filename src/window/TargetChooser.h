#pragma once

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace xi {

// The target-directory chooser: a tree of directories and a line where the
// user may type any path, an existing one or not. Confirming a path that does
// not exist asks whether to create it; "No" keeps the chooser open, "Yes"
// creates it with all its missing parents.
class TargetChooser : public QDialog {
  Q_OBJECT

 public:
  TargetChooser(QWidget* owner, const QString& startDir);

  [[nodiscard]] QString ChosenPath() const;

  void accept() override;

 private:
  QFileSystemModel* model_;
  QTreeView* tree_;
  QLineEdit* path_;
};

}  // namespace xi
