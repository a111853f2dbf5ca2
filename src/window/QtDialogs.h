#pragma once

#include "window/WindowDialogs.h"

class QWidget;

namespace xi {

// The window's real dialogs: Qt file dialogs, our target chooser and message
// boxes, owned by the window.
class QtDialogs : public WindowDialogs {
 public:
  explicit QtDialogs(QWidget* owner) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  [[nodiscard]] std::optional<AddChoice> ChooseFilesToAdd(std::size_t lastFilter) override;
  [[nodiscard]] std::optional<std::string> ChooseProjectListFile() override;
  [[nodiscard]] std::optional<std::string> ChooseResultsFile() override;
  [[nodiscard]] std::optional<std::string> ChooseTargetDir(const std::string& startDir) override;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;

 private:
  QWidget* owner_;
};

}  // namespace xi
