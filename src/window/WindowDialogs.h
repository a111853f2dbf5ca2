#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace xi {

// Files chosen in the add dialog, with the position of the filter selected
// when the user confirmed.
struct AddChoice {
  std::size_t filter = 0;
  std::vector<std::string> files;
};

enum class MessageIcon { Information, Stop };

// The window's dialogs and message boxes. The window answers the user with
// real dialogs; tests answer from a script.
class WindowDialogs {
 public:
  WindowDialogs() = default;
  WindowDialogs(const WindowDialogs&) = delete;
  WindowDialogs& operator=(const WindowDialogs&) = delete;
  virtual ~WindowDialogs() = default;

  // SelectLog: opens with the filter at lastFilter.
  [[nodiscard]] virtual std::optional<AddChoice> ChooseFilesToAdd(std::size_t lastFilter) = 0;
  // SaveLST.
  [[nodiscard]] virtual std::optional<std::string> ChooseProjectListFile() = 0;
  // SaveRes.
  [[nodiscard]] virtual std::optional<std::string> ChooseResultsFile() = 0;
  // The target chooser: a confirmed path that does not exist is created with
  // its parents, after the user agreed.
  [[nodiscard]] virtual std::optional<std::string> ChooseTargetDir(const std::string& startDir) = 0;
  virtual void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
};

}  // namespace xi
