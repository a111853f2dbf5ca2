#include "window/RtfWriter.h"

#include <gtest/gtest.h>

namespace xi {
namespace {

TEST(RtfWriter, EscapesAndKeepsTheLines) {
  const std::string rtf = RichTextDocument(u"Total 5 bytes {x}\\y\nP\u00E4th \U0001F600");
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtf.find("Total 5 bytes \\{x\\}\\\\y\\par\n"), std::string::npos);
  EXPECT_NE(rtf.find("P\\u228?th \\u-10179?\\u-8704?"), std::string::npos);
  EXPECT_EQ(rtf.substr(rtf.size() - 7), "\\par\n}\n");
  for (const char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
    ASSERT_GE(depth, 0);
  }
  EXPECT_EQ(depth, 0);
}

}  // namespace
}  // namespace xi
