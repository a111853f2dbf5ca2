#pragma once

#include <stdexcept>
#include <string>

namespace xi {

// The one error type of the system. Its message is exactly what the user sees
// in the error box (or on stderr from the command line). Nothing inside a run
// catches it; the front ends catch it once per command.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[nodiscard]] Error CannotOpenFile(const std::string& path);
[[nodiscard]] Error CannotCreateFile(const std::string& path);
[[nodiscard]] Error StreamReadError();
[[nodiscard]] Error StreamWriteError();
[[nodiscard]] Error ListIndexOutOfBounds(long long index);

// The text an error box shows for a message: the message itself, with a full
// stop appended when the code of its last character is above the full stop's.
[[nodiscard]] std::string ErrorBoxText(const std::string& message);

}  // namespace xi
