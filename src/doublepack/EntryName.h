#pragma once

#include <string>
#include <string_view>

// The parts of an entry's Name, by the archive's own rules (not the host's):
//   file name  after the last "\" or ":" (or "/", see EntryFileName)
//   extension  the file name from its last "." on, dot included; may be empty
//   base       the file name before its first "."; empty when the file name
//              has no "." or begins with one
namespace xi {

// The file name of an entry. "/" separates too: an entry file name must never
// carry a host directory part (a Name such as "..\x/../../y" could otherwise
// write outside the target directory).
[[nodiscard]] std::string EntryFileName(std::string_view name);
[[nodiscard]] std::string EntryExtension(std::string_view fileName);
[[nodiscard]] std::string EntryBase(std::string_view fileName);

// True when the extension, with A to Z lowered, is ".gfx".
[[nodiscard]] bool IsImageExtension(std::string_view extension);

// The extension directory's name: the extension without its dot, a to z raised.
[[nodiscard]] std::string ExtensionDirectoryName(std::string_view extension);

// The file name with its extension (from its last ".") replaced.
[[nodiscard]] std::string ReplaceEntryExtension(std::string_view fileName, std::string_view extension);

// ASCII case changes of A to Z only, as the archive's rules use them.
[[nodiscard]] std::string AsciiLower(std::string_view text);
[[nodiscard]] std::string AsciiUpper(std::string_view text);

}  // namespace xi
