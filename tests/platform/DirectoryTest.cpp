#include "platform/Directory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"

namespace xi {
namespace {

using test::TempDir;
namespace fs = std::filesystem;

TEST(Directory, ExistsForAnyKindOfObject) {
  TempDir dir;
  test::WriteFile(dir / "file", "x");
  fs::create_directory(dir / "dir");
  fs::create_symlink(dir / "nowhere", dir / "dangling");
  EXPECT_TRUE(PathExists(dir / "file"));
  EXPECT_TRUE(PathExists(dir / "dir"));
  EXPECT_TRUE(PathExists(dir / "dangling"));
  EXPECT_TRUE(PathExists("/dev/null"));
  EXPECT_FALSE(PathExists(dir / "missing"));
  EXPECT_FALSE(PathExists(""));
  EXPECT_TRUE(PathExists(dir.Path() + "//file"));  // a doubled separator is one
}

TEST(Directory, CreatesOneLevelOrAllMissingParents) {
  TempDir dir;
  EXPECT_TRUE(CreateDirectoryLevel(dir / "a"));
  EXPECT_FALSE(CreateDirectoryLevel(dir / "x/y"));  // parent missing
  EXPECT_FALSE(PathExists(dir / "x"));
  EXPECT_TRUE(CreateDirectoryWithParents(dir / "x/y/z"));
  EXPECT_TRUE(fs::is_directory(dir / "x/y/z"));
  EXPECT_TRUE(CreateDirectoryWithParents(dir / "x/y/z"));  // already there
  test::WriteFile(dir / "file", "x");
  EXPECT_FALSE(CreateDirectoryLevel(dir / "file"));
  EXPECT_FALSE(CreateDirectoryWithParents(dir / "file/sub"));
}

TEST(Directory, CurrentDirectoryCanBeReadAndSet) {
  TempDir dir;
  test::CurrentDirectoryGuard guard;
  EXPECT_TRUE(SetCurrentDirectory(dir.Path()));
  EXPECT_EQ(fs::path(CurrentDirectory()), fs::canonical(dir.Path()));
  EXPECT_FALSE(SetCurrentDirectory(dir / "missing"));
  EXPECT_EQ(fs::path(CurrentDirectory()), fs::canonical(dir.Path()));
}

}  // namespace
}  // namespace xi
