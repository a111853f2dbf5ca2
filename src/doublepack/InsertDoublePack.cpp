#include "doublepack/InsertDoublePack.h"

#include <limits>

#include "doublepack/EntryName.h"
#include "doublepack/GfxImage.h"
#include "doublepack/IndexImage.h"
#include "doublepack/TextLayout.h"
#include "image/BitmapReader.h"
#include "platform/Directory.h"
#include "platform/Error.h"
#include "platform/HostPath.h"
#include "platform/ReplacingFile.h"

namespace xi {
namespace {

constexpr std::uint64_t kLargestField = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kCopyChunk = 1u << 20;

// The new content of an entry from the file its log line names.
Bytes ReplacementBytes(const std::string& path) {
  const std::string extension = AsciiLower(EntryExtension(NamePart(path)));
  if (extension == ".bmp") return EncodeGfxImage(NarrowToGfxImage(ReadBitmapFile(path)));
  const Bytes bytes = ReadWholeFile(path);
  if (extension == ".txt" || extension == ".cfg") return EncodeText16(bytes);
  return bytes;
}

// Copies an entry's old stored bytes, a chunk at a time.
void CopyStoredBytes(ReadStream& source, const IndexRecord& record, WriteStream& output) {
  const std::uint64_t length = record.StoredLength();
  if (length == 0) return;
  if (record.Offset > source.Size() || length > source.Size() - record.Offset) throw StreamReadError();
  source.Seek(record.Offset);
  for (std::uint64_t done = 0; done < length;) {
    const std::uint64_t chunk = std::min(kCopyChunk, length - done);
    output.Write(source.Read(chunk));
    done += chunk;
  }
}

// The output's Offset and sizes are 32-bit fields: a data file that would
// need more cannot be described.
void CheckFits(const std::string& dataPath, std::uint64_t offset, std::uint64_t size) {
  if (offset > kLargestField || size > kLargestField) {
    throw Error("Cannot create file " + dataPath + ": an archive's data file cannot pass 4 GiB");
  }
}

}  // namespace

long long InsertDoublePack(RunContext& context, StatusSurface& surface, const std::string& outputIndexPath,
                           long long firstLine) {
  context.SourceStream.reset();
  IndexImage index = IndexImage::Load(context.SourcePath);
  const std::string sourceDataPath = DataFilePath(context.SourcePath);
  ReadStream sourceData = ReadStream::Open(sourceDataPath);
  const std::string outputDataPath = JoinPath(context.TargetDir, ChangeExtension(NamePart(context.SourcePath), ".rsr"));
  CheckOutputIsNotSource(outputDataPath, sourceDataPath);
  CheckOutputIsNotSource(outputIndexPath, context.SourcePath);
  ReplacingFile outputData(outputDataPath);
  ReplacingFile outputIndex(outputIndexPath);

  const std::size_t count = index.RecordCount();
  surface.SetStatusText(ProcessingText(NamePart(outputIndexPath)));
  surface.SetProgressPosition(0);
  WriteStream& data = outputData.Stream();
  for (std::size_t i = 0; i < count; ++i) {
    const IndexRecord record = index.Record(i);
    const std::string& line = context.ReplayLog.At(firstLine + static_cast<long long>(i));
    const std::uint64_t offset = data.Position();
    if (!PathExists(line)) {
      CheckFits(outputDataPath, offset, 0);
      CopyStoredBytes(sourceData, record, data);
      index.SetPlacement(i, static_cast<std::uint32_t>(offset), record.PackedSize, record.UnpackedSize);
    } else {
      const Bytes bytes = ReplacementBytes(line);
      CheckFits(outputDataPath, offset, bytes.size());
      const auto size = static_cast<std::uint32_t>(bytes.size());
      index.SetPlacement(i, static_cast<std::uint32_t>(offset), size, size);
      data.Write(bytes);
    }
    ReportProgress(surface, static_cast<int>(std::uint64_t{i} * 100 / count));
  }
  outputIndex.Stream().Write(index.Image());
  outputData.Finish();
  outputIndex.Finish();
  outputData.Commit();
  outputIndex.Commit();
  return firstLine + static_cast<long long>(count);
}

}  // namespace xi
