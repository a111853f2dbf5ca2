#include "platform/FileStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestFiles.h"
#include "platform/Error.h"
#include "platform/ReplacingFile.h"

namespace xi {
namespace {

using test::ErrorMessageOf;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

void WriteText(WriteStream& stream, std::string_view text) {
  stream.Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(ReadStream, OpenFailsForAMissingFileAndForADirectory) {
  TempDir dir;
  EXPECT_EQ(ErrorMessageOf([&] { (void)ReadStream::Open(dir / "missing.nam"); }),
            "Cannot open file " + (dir / "missing.nam"));
  EXPECT_EQ(ErrorMessageOf([&] { (void)ReadStream::Open(dir.Path()); }), "Cannot open file " + dir.Path());
}

TEST(ReadStream, ReadsAtPositionsAndFailsWhenBytesAreMissing) {
  TempDir dir;
  WriteFile(dir / "data.rsr", "0123456789");
  auto stream = ReadStream::Open(dir / "data.rsr");
  EXPECT_EQ(stream.Size(), 10u);
  stream.Seek(4);
  const Bytes bytes = stream.Read(3);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "456");
  EXPECT_EQ(stream.Position(), 7u);
  EXPECT_EQ(ErrorMessageOf([&] { (void)stream.Read(4); }), "Stream read error");
  stream.Seek(20);  // past the end: seeking works, reading does not
  EXPECT_EQ(ErrorMessageOf([&] { (void)stream.Read(1); }), "Stream read error");
  EXPECT_TRUE(stream.Read(0).empty());
}

TEST(ReadStream, PositionsBeyondFourGigabytesWork) {
  TempDir dir;
  const std::uint64_t size = (std::uint64_t{1} << 32) + 16;
  {
    WriteFile(dir / "big.rsr", "");
    std::filesystem::resize_file(dir / "big.rsr", size);  // sparse: costs no disk space
    std::fstream file(dir / "big.rsr", std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(size - 3));
    file.write("end", 3);
  }
  auto stream = ReadStream::Open(dir / "big.rsr");
  EXPECT_EQ(stream.Size(), size);
  stream.Seek(size - 3);
  const Bytes bytes = stream.Read(3);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "end");
}

TEST(WriteStream, CreateReplacesAndFailsWhereNothingCanBeCreated) {
  TempDir dir;
  WriteFile(dir / "out.bin", "old contents");
  auto stream = WriteStream::Create(dir / "out.bin");
  WriteText(stream, "new");
  stream.Close();
  EXPECT_EQ(ReadFile(dir / "out.bin"), "new");

  std::filesystem::create_directory(dir / "taken");
  EXPECT_EQ(ErrorMessageOf([&] { (void)WriteStream::Create(dir / "taken"); }), "Cannot create file " + (dir / "taken"));
  EXPECT_EQ(ErrorMessageOf([&] { (void)WriteStream::Create(dir / "no/such/dir/x"); }),
            "Cannot create file " + (dir / "no/such/dir/x"));
}

TEST(WriteStream, CreateNewNeverTouchesWhatExists) {
  TempDir dir;
  WriteFile(dir / "menu.bmp", "keep");
  EXPECT_FALSE(WriteStream::CreateNew(dir / "menu.bmp").has_value());
  std::filesystem::create_directory(dir / "GFX");
  EXPECT_FALSE(WriteStream::CreateNew(dir / "GFX").has_value());
  EXPECT_EQ(ReadFile(dir / "menu.bmp"), "keep");

  auto created = WriteStream::CreateNew(dir / "menu_0000.bmp");
  ASSERT_TRUE(created.has_value());
  WriteText(*created, "new");
  created->Close();
  EXPECT_EQ(ReadFile(dir / "menu_0000.bmp"), "new");
  EXPECT_EQ(ErrorMessageOf([&] { (void)WriteStream::CreateNew(dir / "none/x"); }),
            "Cannot create file " + (dir / "none/x"));
}

TEST(ReplacingFile, TheFinalNameChangesOnlyOnCommit) {
  TempDir dir;
  WriteFile(dir / "menu.nam", "earlier good output");
  {
    ReplacingFile file(dir / "menu.nam");
    WriteText(file.Stream(), "half");
    // destroyed without Commit(): as a failed run would leave it
  }
  EXPECT_EQ(ReadFile(dir / "menu.nam"), "earlier good output");
  EXPECT_EQ(test::ListDirectory(dir.Path()), "menu.nam");

  ReplacingFile file(dir / "menu.nam");
  WriteText(file.Stream(), "complete");
  file.Commit();
  EXPECT_EQ(ReadFile(dir / "menu.nam"), "complete");
  EXPECT_EQ(test::ListDirectory(dir.Path()), "menu.nam");
}

TEST(ReplacingFile, FailuresNameTheFinalPath) {
  TempDir dir;
  EXPECT_EQ(ErrorMessageOf([&] { ReplacingFile file(dir / "missing/menu.nam"); }),
            "Cannot create file " + (dir / "missing/menu.nam"));
  std::filesystem::create_directory(dir / "menu.nam");
  EXPECT_EQ(ErrorMessageOf([&] {
              ReplacingFile file(dir / "menu.nam");
              file.Commit();
            }),
            "Cannot create file " + (dir / "menu.nam"));
  EXPECT_EQ(test::ListDirectory(dir.Path()), "menu.nam");
}

}  // namespace
}  // namespace xi
