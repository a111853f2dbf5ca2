#include "replay/LogFormat.h"

#include <gtest/gtest.h>

namespace xi {
namespace {

struct LineCase {
  std::string line;
  std::optional<Directive> directive;
  std::string value;  // of a directive line
};

TEST(LogFormat, DirectiveLinesAndTheirValues) {
  const LineCase cases[] = {
      {"#Format: NAM", Directive::Format, "NAM"},
      {"#Source: /data/gfx.nam", Directive::Source, "/data/gfx.nam"},
      {"#Source: /data/a b/c.nam", Directive::Source, "/data/a b/c.nam"},  // blanks kept
      {"#Source:", Directive::Source, ""},
      {"#Source: ", Directive::Source, ""},
      {"  #Source: x", Directive::Source, ": x"},  // leading blanks shift the cut
      {"\t#Format:\tFNT", Directive::Format, "\tFNT"},
      {"#Target anything here", Directive::Target, "anything here"},
      {"#Format: FNT and more", Directive::Format, "FNT and more"},
      {"#Target: x", std::nullopt, ""},
      {"#Format NAM", std::nullopt, ""},
      {"#format: NAM", std::nullopt, ""},
      {"#Source:x", std::nullopt, ""},
      {"/out/gfx.nam/GFX/title.bmp", std::nullopt, ""},
      {"", std::nullopt, ""},
      {" \t\v\f", std::nullopt, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DirectiveOf(c.line), c.directive) << '"' << c.line << '"';
    if (c.directive) {
      EXPECT_EQ(DirectiveValue(c.line), c.value) << '"' << c.line << '"';
    }
  }
}

TEST(LogFormat, FirstWordHasNoLengthLimit) {
  const std::string longWord(300, 'w');
  EXPECT_EQ(FirstWord("  " + longWord + " tail"), longWord);
  const std::string longPath = "/" + std::string(400, 'p') + "/menu.nam";
  EXPECT_EQ(DirectiveValue("#Source: " + longPath), longPath);
  EXPECT_EQ(DirectiveOf("#Source:" + longWord), std::nullopt);
}

TEST(LogFormat, FormatNamesMapToKindsBothWays) {
  EXPECT_EQ(FormatNameOfKind(kDoublePackJob), "NAM");
  EXPECT_EQ(FormatNameOfKind(kFontJob), "FNT");
  EXPECT_EQ(FormatNameOfKind(kLogJob), "");
  EXPECT_EQ(FormatNameOfKind(kProjectListJob), "");
  EXPECT_EQ(FormatNameOfKind(9), "");

  EXPECT_EQ(ReplayFormatOf("NAM"), kDoublePackJob);
  EXPECT_EQ(ReplayFormatOf("FNT extra words"), kFontJob);
  EXPECT_EQ(ReplayFormatOf(""), kNoReplayFormat);  // no word: not the empty names
  EXPECT_EQ(ReplayFormatOf("   "), kNoReplayFormat);
  EXPECT_EQ(ReplayFormatOf("nam"), kNoReplayFormat);
  EXPECT_EQ(ReplayFormatOf("BMP"), kNoReplayFormat);
}

}  // namespace
}  // namespace xi
