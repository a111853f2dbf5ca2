#pragma once

#include <string>

namespace xi {

// True when anything at all is at the path: a file, a directory, a link (even
// a dangling one), a device.
[[nodiscard]] bool PathExists(const std::string& path);

// Creates one directory level; false when that failed (the parent is missing,
// something is in the way).
bool CreateDirectoryLevel(const std::string& path);

// Creates the directory and every missing parent; true when the directory
// exists afterwards.
bool CreateDirectoryWithParents(const std::string& path);

// True when both paths name one existing object, however each is reached
// (links, "." and ".." parts, other spellings).
[[nodiscard]] bool SameFile(const std::string& a, const std::string& b);

[[nodiscard]] bool IsDirectory(const std::string& path);

[[nodiscard]] std::string CurrentDirectory();
// Makes path the process's current directory; false when that failed.
bool SetCurrentDirectory(const std::string& path);

}  // namespace xi
