#pragma once

#include <QIcon>

namespace xi {

// The toolbar's pictures, 16 x 16, drawn here; Qt derives their greyed forms
// for disabled buttons.
enum class ToolbarPicture { Add, SaveList, Remove, Process, Exit, ClearAll };

[[nodiscard]] QIcon ToolbarIcon(ToolbarPicture picture);

}  // namespace xi
