#pragma once

#include <string>

namespace xi {

// The results pane as a Rich Text Format document: one paragraph per line of
// the text (lines split at "\n"), with "\", "{" and "}" escaped and every
// character beyond ASCII written as a Unicode escape with "?" as its
// fallback.
[[nodiscard]] std::string RichTextDocument(const std::u16string& text);

}  // namespace xi
