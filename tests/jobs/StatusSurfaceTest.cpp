#include "jobs/StatusSurface.h"

#include <gtest/gtest.h>

#include "jobs/RecordingSurface.h"

namespace xi {
namespace {

TEST(StatusSurface, BarsStoreOutOfRangePositionsAsTheNearerBound) {
  RecordingSurface surface;
  surface.SetProgressPosition(101);
  EXPECT_EQ(surface.ProgressPosition(), 100);
  surface.SetProgressPosition(-5);
  EXPECT_EQ(surface.ProgressPosition(), 0);
  EXPECT_EQ(surface.progressShown, (std::vector<int>{100, 0}));

  surface.SetTotalMaximum(100);
  for (int i = 0; i < 150; ++i) surface.SetTotalPosition(surface.TotalPosition() + 1);
  EXPECT_EQ(surface.TotalPosition(), 100);
  surface.SetTotalMaximum(40);  // a smaller maximum pulls the position in
  EXPECT_EQ(surface.TotalPosition(), 40);
}

TEST(StatusSurface, ReportProgressSetsAndPumpsOnlyOnAChange) {
  RecordingSurface surface;
  ReportProgress(surface, 0);  // the bar shows 0 already
  EXPECT_EQ(surface.pumpCount, 0);
  EXPECT_TRUE(surface.progressShown.empty());
  ReportProgress(surface, 33);
  ReportProgress(surface, 33);
  ReportProgress(surface, 66);
  EXPECT_EQ(surface.pumpCount, 2);
  EXPECT_EQ(surface.progressShown, (std::vector<int>{33, 66}));
}

TEST(StatusSurface, ProcessingTextNamesTheFile) { EXPECT_EQ(ProcessingText("menu.nam"), "Processing menu.nam..."); }

}  // namespace
}  // namespace xi
