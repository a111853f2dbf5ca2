#pragma once

#include <string>
#include <string_view>

// Paths of the machine the tool runs on. Archive entry names are not host
// paths; they follow the archive's own rules (see doublepack/).
namespace xi {

#ifdef _WIN32
inline constexpr char kHostSeparator = '\\';
#else
inline constexpr char kHostSeparator = '/';
#endif

// The text after the last host separator (on Windows also after "/" and ":");
// the whole path when there is none.
[[nodiscard]] std::string NamePart(std::string_view path);

// Replaces the extension of the name part, from its last "." on, with
// `extension`; appends `extension` when the name part has no ".".
[[nodiscard]] std::string ChangeExtension(std::string_view path, std::string_view extension);

// `directory` + host separator + `name`, by plain concatenation: no separator
// is removed and a doubled one is not looked for.
[[nodiscard]] std::string JoinPath(std::string_view directory, std::string_view name);

}  // namespace xi
