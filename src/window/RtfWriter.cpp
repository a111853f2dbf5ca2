#include "window/RtfWriter.h"

namespace xi {
namespace {

constexpr const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Sans Serif;}}\n"
    "\\uc1\\pard\\f0\\fs17 ";

void AppendCharacter(std::string& rtf, char16_t unit) {
  switch (unit) {
    case u'\\':
      rtf += "\\\\";
      return;
    case u'{':
      rtf += "\\{";
      return;
    case u'}':
      rtf += "\\}";
      return;
    case u'\t':
      rtf += "\\tab ";
      return;
    case u'\r':
      return;
    case u'\n':
      rtf += "\\par\n";
      return;
    default:
      break;
  }
  if (unit >= 0x20 && unit < 0x80) {
    rtf += static_cast<char>(unit);
    return;
  }
  // RTF takes a signed 16-bit number; surrogate halves go one by one.
  rtf += "\\u" + std::to_string(static_cast<std::int16_t>(unit)) + "?";
}

}  // namespace

std::string RichTextDocument(const std::u16string& text) {
  std::string rtf = kHeader;
  for (const char16_t unit : text) AppendCharacter(rtf, unit);
  rtf += "\\par\n}\n";
  return rtf;
}

}  // namespace xi
