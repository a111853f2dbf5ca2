#include "doublepack/IndexImage.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "doublepack/TestArchive.h"

namespace xi {
namespace {

using test::NameField;
using test::ToBytes;

TEST(IndexImage, RecordsAreWhole64ByteRecordsAndTrailingBytesAreKept) {
  const Bytes image = test::TestArchive()
                          .Record(NameField("data\\menu.gfx"), 0x01020304, 0, 0xFFFFFFFF)
                          .Record(NameField("b.txt"), 0xFFFFFFF0, 10, 10)
                          .Trailing(ToBytes("xy"))
                          .Index();
  ASSERT_EQ(image.size(), 130u);
  IndexImage index(image);
  ASSERT_EQ(index.RecordCount(), 2u);
  const IndexRecord first = index.Record(0);
  EXPECT_EQ(first.Name, "data\\menu.gfx");
  EXPECT_EQ(first.Offset, 0x01020304u);
  EXPECT_EQ(first.UnpackedSize, 0xFFFFFFFFu);  // unsigned, all 32 bits
  EXPECT_EQ(index.Record(1).Offset, 0xFFFFFFF0u);

  index.SetPlacement(1, 7, 8, 9);
  const Bytes& saved = index.Image();
  EXPECT_EQ(saved.size(), 130u);
  EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 116), Bytes(image.begin(), image.begin() + 116));
  EXPECT_EQ(Bytes(saved.begin() + 116, saved.begin() + 128), Bytes({7, 0, 0, 0, 8, 0, 0, 0, 9, 0, 0, 0}));
  EXPECT_EQ(saved[128], 'x');
  EXPECT_EQ(saved[129], 'y');
  EXPECT_EQ(IndexImage(Bytes(63, 1)).RecordCount(), 0u);
}

TEST(IndexImage, NamesStopAtTheirZeroByteOrAfter52Bytes) {
  Bytes junkAfterZero = NameField("menu.gfx");
  junkAfterZero[10] = 'J';
  const std::string full(52, 'N');
  IndexImage index(test::TestArchive().Record(junkAfterZero, 0, 0, 0).Record(ToBytes(full), 0, 0, 0).Index());
  EXPECT_EQ(index.Record(0).Name, "menu.gfx");
  EXPECT_EQ(index.Record(1).Name, full);
}

TEST(IndexImage, StorageModesFollowTheTwoSizes) {
  const struct {
    std::uint32_t packed;
    std::uint32_t unpacked;
    StorageMode mode;
    std::uint32_t storedLength;
  } cases[] = {
      {0, 0, StorageMode::Empty, 0},         {0, 40, StorageMode::Stored, 40},      {10, 10, StorageMode::Stored, 10},
      {10, 30, StorageMode::Compressed, 10}, {30, 10, StorageMode::Compressed, 30},
  };
  for (const auto& c : cases) {
    const IndexRecord record{"x", 1234, c.packed, c.unpacked};
    EXPECT_EQ(record.Mode(), c.mode) << c.packed << "/" << c.unpacked;
    EXPECT_EQ(record.StoredLength(), c.storedLength);
  }
}

TEST(IndexImage, TheDataFileLiesBesideTheIndex) {
  EXPECT_EQ(DataFilePath("/data/menu.nam"), "/data/menu.rsr");
  EXPECT_EQ(DataFilePath("/data.v2/menu"), "/data.v2/menu.rsr");
  EXPECT_EQ(test::ErrorMessageOf([] { (void)IndexImage::Load("/no/such/menu.nam"); }),
            "Cannot open file /no/such/menu.nam");
}

}  // namespace
}  // namespace xi
