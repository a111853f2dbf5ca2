#include "jobs/JobList.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::TempDir;
using Paths = std::vector<std::string>;

constexpr std::size_t kNamFilter = 0;
constexpr std::size_t kFntFilter = 1;
constexpr std::size_t kLstFilter = 2;
constexpr std::size_t kLogFilter = 3;

TEST(JobList, FiltersGiveKindsAndExtensionsGiveFilters) {
  EXPECT_EQ(KindOfFilter(kNamFilter), kDoublePackJob);
  EXPECT_EQ(KindOfFilter(kFntFilter), kFontJob);
  EXPECT_EQ(KindOfFilter(kLstFilter), kProjectListJob);
  EXPECT_EQ(KindOfFilter(kLogFilter), kLogJob);
  EXPECT_EQ(KindOfFilter(4), std::nullopt);
  EXPECT_EQ(FilterOfExtension("/a/menu.NAM"), kNamFilter);
  EXPECT_EQ(FilterOfExtension("/a/result.log"), kLogFilter);
  EXPECT_EQ(FilterOfExtension("/a.lst/menu"), std::nullopt);
  EXPECT_EQ(FilterOfExtension("/a/menu.rsr"), std::nullopt);
}

TEST(JobList, AddingAppendsWithinAKindAndEmptiesOnAnother) {
  JobList jobs;
  jobs.AddChosen(kNamFilter, {"/a.nam", "/b.nam"});
  jobs.AddChosen(kNamFilter, {"/c.nam", "/a.nam"});
  EXPECT_EQ(jobs.Paths(), (Paths{"/a.nam", "/b.nam", "/c.nam", "/a.nam"}));
  // The filter decides the kind, not the file's extension.
  jobs.AddChosen(kFntFilter, {"/d.nam"});
  EXPECT_EQ(jobs.CurrentKind(), kFontJob);
  EXPECT_EQ(jobs.Paths(), Paths{"/d.nam"});
}

TEST(JobList, AProjectListReplacesTheListWithItsLines) {
  TempDir dir;
  test::WriteFile(dir / "one.lst", "/x/result.log\r\n/y/result.log\r\n");
  test::WriteFile(dir / "two.lst", "/z/a.log\n\n/z/b.log");
  JobList jobs;
  jobs.AddChosen(kLstFilter, {dir / "one.lst", dir / "two.lst"});  // only the first counts
  EXPECT_EQ(jobs.CurrentKind(), kProjectListJob);
  EXPECT_EQ(jobs.Paths(), (Paths{"/x/result.log", "/y/result.log"}));
  jobs.AddChosen(kLstFilter, {dir / "two.lst"});
  EXPECT_EQ(jobs.Paths(), (Paths{"/z/a.log", "", "/z/b.log"}));
}

TEST(JobList, AProjectListThatCannotBeReadLeavesWhatTheKindAllows) {
  TempDir dir;
  JobList jobs;
  jobs.AddChosen(kLstFilter, {});
  test::WriteFile(dir / "one.lst", "/x/result.log\r\n");
  jobs.AddChosen(kLstFilter, {dir / "one.lst"});
  EXPECT_EQ(ErrorMessageOf([&] { jobs.AddChosen(kLstFilter, {dir / "gone.lst"}); }),
            "Cannot open file " + (dir / "gone.lst"));
  EXPECT_EQ(jobs.Paths(), Paths{"/x/result.log"});  // same kind: kept

  jobs.AddChosen(kNamFilter, {"/a.nam"});
  EXPECT_EQ(ErrorMessageOf([&] { jobs.AddChosen(kLstFilter, {dir / "gone.lst"}); }),
            "Cannot open file " + (dir / "gone.lst"));
  EXPECT_TRUE(jobs.Paths().empty());  // another kind: emptied first
  EXPECT_EQ(jobs.CurrentKind(), kProjectListJob);
}

TEST(JobList, RemovingKeepsTheOrderOfTheRest) {
  JobList jobs;
  jobs.AddChosen(kLogFilter, {"1", "2", "3", "4", "5"});
  jobs.RemoveAt({2, 0, 1, 9});
  EXPECT_EQ(jobs.Paths(), (Paths{"4", "5"}));
}

}  // namespace
}  // namespace xi
