#include "platform/Error.h"

namespace xi {

Error CannotOpenFile(const std::string& path) { return Error("Cannot open file " + path); }

Error CannotCreateFile(const std::string& path) { return Error("Cannot create file " + path); }

Error StreamReadError() { return Error("Stream read error"); }

Error StreamWriteError() { return Error("Stream write error"); }

Error ListIndexOutOfBounds(long long index) {
  return Error("List index out of bounds (" + std::to_string(index) + ")");
}

std::string ErrorBoxText(const std::string& message) {
  constexpr unsigned char kFullStop = '.';
  if (!message.empty() && static_cast<unsigned char>(message.back()) > kFullStop) {
    return message + ".";
  }
  return message;
}

}  // namespace xi
