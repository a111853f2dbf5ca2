#include "fonts/FindGlyphBoxes.h"

#include <gtest/gtest.h>

#include "fonts/GlyphSheet.h"
#include "fonts/TestFont.h"

namespace xi {
namespace {

const Rgb kGrey{0x80, 0x80, 0x80};

TEST(FindGlyphBoxes, BoxesSpanTheNonBackgroundColumnsOfEachMarkerRun) {
  RgbImage sheet = test::BlankSheet(3, 3);
  sheet.At(4, 0) = kSheetWhite;  // cell 0: ink in column 4, row 0
  sheet.At(9, 2) = kGrey;        // and a grey pixel in column 9
  // cell 1 (rows 13..15) is blank: no box
  sheet.At(2, 27) = kGrey;  // cell 2 (rows 26..28): only grey
  sheet.At(7, 28) = kGrey;
  sheet.At(30, 31) = kSheetWhite;  // a gap row: not part of any cell
  EXPECT_EQ(FindGlyphBoxes(sheet), (std::vector<GlyphBox>{{4, 0, 10, 3}, {2, 26, 8, 29}}));
}

TEST(FindGlyphBoxes, TheMarkerAndBackgroundComeFromTheFirstRow) {
  // A black row added above: black is the marker, found among column 0's
  // black rows; the background is black too, so every non-black pixel counts.
  RgbImage sheet(5, 4);
  sheet.At(0, 2) = kSheetWhite;  // ends the first run
  sheet.At(3, 1) = kGrey;
  EXPECT_EQ(FindGlyphBoxes(sheet), (std::vector<GlyphBox>{{3, 0, 4, 2}}));
  // A run reaching the bottom edge ends there.
  RgbImage edge = test::BlankSheet(2, 1);
  edge.pixels.resize(50 * 2);
  edge.height = 2;
  edge.At(49, 1) = kSheetWhite;
  EXPECT_EQ(FindGlyphBoxes(edge), (std::vector<GlyphBox>{{49, 0, 50, 2}}));
  EXPECT_TRUE(FindGlyphBoxes(RgbImage(1, 5)).empty());
  EXPECT_TRUE(FindGlyphBoxes(RgbImage(0, 0)).empty());
}

}  // namespace
}  // namespace xi
