#include "platform/HostPath.h"

#include <gtest/gtest.h>

namespace xi {
namespace {

struct ExtensionCase {
  const char* path;
  const char* extension;
  const char* expected;
};

TEST(HostPath, ChangeExtensionReplacesFromTheLastDotOfTheNamePart) {
  const ExtensionCase cases[] = {
      {"/data/menu.nam", ".rsr", "/data/menu.rsr"},
      {"/data/menu.old.nam", ".rsr", "/data/menu.old.rsr"},
      {"/data/menu", ".rsr", "/data/menu.rsr"},          // no dot: appended
      {"/data.dir/menu", ".rsr", "/data.dir/menu.rsr"},  // a dot in the directory does not count
      {"/data/.hidden", ".bmp", "/data/.bmp"},
      {"font.fnt", ".bmp", "font.bmp"},
      {"", ".rsr", ".rsr"},
  };
  for (const auto& c : cases) EXPECT_EQ(ChangeExtension(c.path, c.extension), c.expected) << c.path;
}

TEST(HostPath, NamePartIsTheTextAfterTheLastSeparator) {
  EXPECT_EQ(NamePart("/data/gfx.nam"), "gfx.nam");
  EXPECT_EQ(NamePart("gfx.nam"), "gfx.nam");
  EXPECT_EQ(NamePart("/data/out/"), "");
#ifndef _WIN32
  // On this host "\" and ":" are ordinary characters of a name.
  EXPECT_EQ(NamePart("/data/a\\b:c.nam"), "a\\b:c.nam");
#endif
}

TEST(HostPath, JoinConcatenatesWithOneSeparatorAndRemovesNone) {
  EXPECT_EQ(JoinPath("/out", "result.log"), "/out/result.log");
  EXPECT_EQ(JoinPath("/out/", "result.log"), "/out//result.log");
  EXPECT_EQ(JoinPath("/out/menu.nam", ""), "/out/menu.nam/");
}

}  // namespace
}  // namespace xi
