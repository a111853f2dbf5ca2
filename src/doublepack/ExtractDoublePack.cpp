#include "doublepack/ExtractDoublePack.h"

#include <filesystem>
#include <system_error>

#include "codec/DecompressEntry.h"
#include "doublepack/EntryName.h"
#include "doublepack/GfxImage.h"
#include "doublepack/IndexImage.h"
#include "platform/Directory.h"
#include "platform/HostPath.h"

namespace xi {
namespace {

// The names an entry's file is written under.
struct EntryFile {
  std::string fileName;
  std::string extension;
  std::string base;
};

EntryFile EntryFileOf(const std::string& name) {
  EntryFile file;
  file.fileName = EntryFileName(name);
  file.extension = EntryExtension(file.fileName);
  file.base = EntryBase(file.fileName);
  return file;
}

void EnsureDirectory(const std::string& path) {
  // A failure shows when the entry's file cannot be created.
  if (!PathExists(path)) CreateDirectoryLevel(path);
}

Bytes ReadContent(ReadStream& data, const IndexRecord& record) {
  switch (record.Mode()) {
    case StorageMode::Empty:
      return {};
    case StorageMode::Stored:
      data.Seek(record.Offset);
      return data.Read(record.StoredLength());
    case StorageMode::Compressed: {
      data.Seek(record.Offset);
      const Bytes packed = data.Read(record.PackedSize);
      Bytes content;
      DecompressEntry(packed, content, record.UnpackedSize);
      return content;
    }
  }
  return {};
}

std::string UpperHex(std::uint64_t value, std::size_t minimumDigits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  do {
    hex.insert(hex.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  if (hex.size() < minimumDigits) hex.insert(0, minimumDigits - hex.size(), '0');
  return hex;
}

// Creates the first candidate name that nothing occupies yet, exclusively, so
// that nothing is ever overwritten: the file name, then base_0000.ext,
// base_0001.ext, ... Returns the path written. A file that cannot be written
// whole is removed again.
std::string WriteNewFile(const std::string& directory, const EntryFile& file, const Bytes& content) {
  std::string candidate = file.fileName;
  for (std::uint64_t counter = 0;; ++counter) {
    const std::string path = JoinPath(directory, candidate);
    if (auto stream = WriteStream::CreateNew(path)) {
      try {
        stream->Write(content);
        stream->Close();
      } catch (...) {
        stream.reset();
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        throw;
      }
      return path;
    }
    candidate = file.base + "_" + UpperHex(counter, 4) + file.extension;
  }
}

void ExtractEntry(RunContext& context, StatusSurface& surface, ReadStream& data, const IndexRecord& record,
                  const std::string& archiveDir) {
  EntryFile file = EntryFileOf(record.Name);
  const std::string extensionDir = JoinPath(archiveDir, ExtensionDirectoryName(file.extension));
  EnsureDirectory(extensionDir);
  Bytes content = ReadContent(data, record);
  if (IsImageExtension(file.extension)) {
    content = GfxImageToBmp24(content);
    file.extension = ".bmp";
    file.fileName = ReplaceEntryExtension(file.fileName, file.extension);
  }
  const std::string written = WriteNewFile(extensionDir, file, content);
  context.ResultLog.Add(written);
  RecordWrittenFile(context, surface, content.size());
}

}  // namespace

void ExtractDoublePack(RunContext& context, StatusSurface& surface, const std::string& indexPath) {
  const IndexImage index = IndexImage::Load(indexPath);
  ReadStream data = ReadStream::Open(DataFilePath(indexPath));
  const std::size_t count = index.RecordCount();
  const std::string archiveName = NamePart(indexPath);
  surface.SetStatusText(ProcessingText(archiveName));
  surface.SetProgressPosition(0);
  const std::string archiveDir = JoinPath(context.TargetDir, archiveName);
  EnsureDirectory(archiveDir);
  for (std::size_t i = 0; i < count; ++i) {
    ExtractEntry(context, surface, data, index.Record(i), archiveDir);
    ReportProgress(surface, static_cast<int>(std::uint64_t{i} * 100 / count));
  }
}

}  // namespace xi
