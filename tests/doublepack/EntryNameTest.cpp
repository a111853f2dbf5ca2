#include "doublepack/EntryName.h"

#include <gtest/gtest.h>

namespace xi {
namespace {

TEST(EntryName, FileNameExtensionAndBaseFollowTheArchiveRules) {
  const struct {
    const char* name;
    const char* fileName;
    const char* extension;
    const char* base;
    bool image;
  } cases[] = {
      {"data\\menu.gfx", "menu.gfx", ".gfx", "menu", true},
      {"a.b.GFX", "a.b.GFX", ".GFX", "a", true},
      {"README", "README", "", "", false},
      {"c:intro.txt", "intro.txt", ".txt", "intro", false},
      {".hidden", ".hidden", ".hidden", "", false},
      {"x\\", "", "", "", false},
      {"menu.gfx.bak", "menu.gfx.bak", ".bak", "menu", false},
      // "/" separates too, so a name never reaches outside its directory
      {"..\\../../escape.txt", "escape.txt", ".txt", "escape", false},
  };
  for (const auto& c : cases) {
    const std::string fileName = EntryFileName(c.name);
    EXPECT_EQ(fileName, c.fileName) << c.name;
    EXPECT_EQ(EntryExtension(fileName), c.extension) << c.name;
    EXPECT_EQ(EntryBase(fileName), c.base) << c.name;
    EXPECT_EQ(IsImageExtension(EntryExtension(fileName)), c.image) << c.name;
  }
}

TEST(EntryName, ExtensionDirectoriesAndReplacedExtensions) {
  EXPECT_EQ(ExtensionDirectoryName(".gfx"), "GFX");
  EXPECT_EQ(ExtensionDirectoryName(".Cfg2"), "CFG2");
  EXPECT_EQ(ExtensionDirectoryName(""), "");
  EXPECT_EQ(ExtensionDirectoryName(".\xE4x"), "\xE4X");  // only a to z are raised
  EXPECT_EQ(ReplaceEntryExtension("a.b.GFX", ".bmp"), "a.b.bmp");
}

}  // namespace
}  // namespace xi
