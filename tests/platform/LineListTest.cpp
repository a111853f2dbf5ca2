#include "platform/LineList.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;
using Lines = std::vector<std::string>;

struct SplitCase {
  std::string text;
  Lines lines;
};

TEST(LineList, SplitsAtCrLfLoneCrAndLoneLfAndStopsAtNul) {
  const SplitCase cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},        // a last line without a line end is a line
      {"a\n\r\nb", {"a", "", "b"}},  // LF then CR LF: an empty line between
      {"a\r\rb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"", {}},
      {std::string("ab\0cd\r\nef", 9), {"ab"}},  // NUL ends the text
      {std::string("\0a", 2), {}},
      {"  x \t\r\n", {"  x \t"}},  // nothing is trimmed
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << testing::PrintToString(c.text);
}

TEST(LineList, SavesEveryLineWithCrLfAndReadsBackTheSameLines) {
  TempDir dir;
  LineList list;
  list.Assign({"#Format: NAM", "", "/out/menu.nam/GFX/menu.bmp"});
  list.SaveToFile(dir / "result.log");
  EXPECT_EQ(ReadFile(dir / "result.log"), "#Format: NAM\r\n\r\n/out/menu.nam/GFX/menu.bmp\r\n");

  LineList loaded;
  loaded.LoadFromFile(dir / "result.log");
  EXPECT_EQ(loaded.Lines(), list.Lines());

  LineList empty;
  empty.SaveToFile(dir / "empty.lst");
  EXPECT_EQ(ReadFile(dir / "empty.lst"), "");
}

TEST(LineList, IndexOutsideTheListFails) {
  LineList list;
  list.Assign({"a", "b"});
  EXPECT_EQ(list.At(1), "b");
  EXPECT_EQ(ErrorMessageOf([&] { (void)list.At(2); }), "List index out of bounds (2)");
  EXPECT_EQ(ErrorMessageOf([&] { (void)list.At(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorMessageOf([&] { list.Set(5, "x"); }), "List index out of bounds (5)");
}

TEST(LineList, AFailedLoadKeepsTheLinesAndAFailedSaveNamesThePath) {
  TempDir dir;
  LineList list;
  list.Assign({"kept"});
  EXPECT_EQ(ErrorMessageOf([&] { list.LoadFromFile(dir / "missing.log"); }),
            "Cannot open file " + (dir / "missing.log"));
  EXPECT_EQ(list.Lines(), Lines{"kept"});
  EXPECT_EQ(ErrorMessageOf([&] { list.SaveToFile(dir / "no/dir/result.log"); }),
            "Cannot create file " + (dir / "no/dir/result.log"));
}

}  // namespace
}  // namespace xi
