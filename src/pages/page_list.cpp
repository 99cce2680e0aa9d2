#include "pages/page_list.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "pages/qr_compress.h"
#include "pages/report_file_error.h"
#include "pages/report_file_header.h"
#include "platform/file_stream.h"
#include "platform/little_endian.h"
#include "platform/local_time.h"
#include "platform/memory_stream.h"

namespace qr {
namespace {

// Page number, link to the next record, and the closing link to this one.
constexpr std::int32_t kRecordOverhead = 12;
constexpr std::int32_t kNumberAndLinkSize = 8;
// The smallest metafile: an original-size header record and the EOF record.
constexpr std::int32_t kSmallestMetafile = 88 + 20;
// The smallest coded body: just its count.
constexpr std::int32_t kSmallestCodedBody = 4;
// Every byte codes to at least one bit.
constexpr std::int64_t kMostBytesPerCodedByte = 8;

}  // namespace

void TQRPageList::AttachStream(std::unique_ptr<TQRStream> stream) {
  std::lock_guard guard(lock_);
  stream_ = std::move(stream);
}

void TQRPageList::FreeStream() {
  std::lock_guard guard(lock_);
  stream_.reset();
}

void TQRPageList::AddPage(const Metafile& page) {
  std::lock_guard guard(lock_);
  TQRStream& stream = *stream_;
  const std::int32_t pageNumber = ++pageCount_;
  try {
    if (pageNumber == 1) WriteHeader();  // says 1 page until the job's end rewrites it
    const std::int32_t recordStart = stream.Seek(0, SeekOrigin::End);
    stream.WriteInt32(pageNumber);
    const std::int32_t linkSlot = stream.Position();
    stream.WriteInt32(linkSlot);
    if (compression_)
      CompressBlock(page.Bytes(), stream);
    else
      page.WriteTo(stream);
    stream.WriteInt32(recordStart);
    const std::int32_t recordEnd = stream.Position();
    stream.Seek(linkSlot, SeekOrigin::Begin);
    stream.WriteInt32(recordEnd);
    stream.Seek(recordEnd, SeekOrigin::Begin);
  } catch (...) {
    --pageCount_;
    throw;
  }
}

std::optional<Metafile> TQRPageList::GetPage(std::int32_t n) {
  if (n < 1 || n > pageCount_) return std::nullopt;
  std::lock_guard guard(lock_);
  if (!stream_) return std::nullopt;
  try {
    return ReadPageAt(n);
  } catch (...) {
    // Leave the stream at record 1, where the next walk can start from.
    try {
      stream_->Seek(headerSize_, SeekOrigin::Begin);
    } catch (const StreamError&) {
    }
    throw;
  }
}

Metafile TQRPageList::ReadPageAt(std::int32_t n) {
  TQRStream& stream = *stream_;
  SeekToPage(n);
  const std::int32_t start = stream.Position();
  const std::int32_t size = stream.Size();
  if (start > size - kRecordOverhead) throw DamagedReportFile("page record cut short", start);
  const std::int32_t number = stream.ReadInt32();
  if (number != n)
    throw DamagedReportFile(
        "page " + std::to_string(number) + " where page " + std::to_string(n) + " belongs", start);
  const std::int32_t next = stream.ReadInt32();
  const std::int32_t smallestBody = compression_ ? kSmallestCodedBody : kSmallestMetafile;
  if (next < start + kRecordOverhead + smallestBody || next > size)
    throw DamagedReportFile("link of page " + std::to_string(n) + " out of range", start + 4);
  const std::int32_t bodyStart = start + kNumberAndLinkSize;
  const std::int32_t bodySize = next - 4 - bodyStart;
  Metafile page;
  if (compression_) {
    std::vector<std::uint8_t> coded(bodySize);
    stream.ReadBuffer(coded.data(), bodySize);
    MemoryStream codedStream(std::move(coded));
    const std::int64_t mostBytes =
        std::min<std::int64_t>((bodySize - kSmallestCodedBody) * kMostBytesPerCodedByte,
                               std::numeric_limits<std::int32_t>::max());
    page = Metafile::FromBytes(ExpandBlock(codedStream, static_cast<std::int32_t>(mostBytes)));
  } else {
    page = Metafile::ReadFrom(stream, bodySize);
    if (stream.Position() != next - 4)
      throw DamagedReportFile("page " + std::to_string(n) + " shorter than its record", bodyStart);
  }
  if (stream.ReadInt32() != start)
    throw DamagedReportFile("end of page " + std::to_string(n) + " does not match its start",
                            next - 4);
  return page;
}

std::int32_t TQRPageList::ReadOffsetAt(std::int32_t position) {
  stream_->Seek(position, SeekOrigin::Begin);
  return stream_->ReadInt32();
}

TQRPageList::RecordHead TQRPageList::ReadHeadAt(std::int32_t position) {
  std::uint8_t bytes[kNumberAndLinkSize];
  stream_->Seek(position, SeekOrigin::Begin);
  stream_->ReadBuffer(bytes, kNumberAndLinkSize);
  const RecordHead head{GetInt32(bytes), GetInt32(bytes + 4)};
  if (head.pageNumber < 1 || head.pageNumber > pageCount_)
    throw DamagedReportFile("page number " + std::to_string(head.pageNumber) + " out of range",
                            position);
  return head;
}

std::int32_t TQRPageList::CheckedRecordStart(std::int32_t offset, std::int32_t where,
                                             std::int32_t size) const {
  if (offset < headerSize_ || offset > size - kRecordOverhead)
    throw DamagedReportFile("link to offset " + std::to_string(offset) + " outside the pages",
                            where);
  return offset;
}

// Walks the links from wherever the stream stands, reading only record
// numbers and links. Forward links must grow and backward links shrink, and no
// walk takes more steps than there are pages, so a damaged store cannot make
// it run for ever.
void TQRPageList::SeekToPage(std::int32_t n) {
  TQRStream& stream = *stream_;
  if (n == 1) {
    stream.Seek(headerSize_, SeekOrigin::Begin);
    return;
  }
  const std::int32_t size = stream.Size();
  std::int32_t position = stream.Position();
  if (position == size) position = CheckedRecordStart(ReadOffsetAt(size - 4), size - 4, size);
  RecordHead head = ReadHeadAt(position);
  for (std::int32_t steps = 0; head.pageNumber != n; ++steps) {
    if (steps > pageCount_) throw DamagedReportFile("page links loop", position);
    const bool forward = n > head.pageNumber;
    const std::int32_t linkAt = forward ? position + 4 : position - 4;
    const std::int32_t link = forward ? head.nextRecord : ReadOffsetAt(linkAt);
    const std::int32_t target = CheckedRecordStart(link, linkAt, size);
    if (forward ? target <= position : target >= position)
      throw DamagedReportFile("page link points the wrong way", linkAt);
    position = target;
    head = ReadHeadAt(position);
    if (forward ? head.pageNumber > n : head.pageNumber < n)
      throw DamagedReportFile("page " + std::to_string(n) + " missing", position);
  }
  stream.Seek(position, SeekOrigin::Begin);
}

void TQRPageList::WriteHeader() {
  std::lock_guard guard(lock_);
  ReportFileHeader header;
  header.pageCount = pageCount_;
  header.writtenAt = LocalTimeAsDays();
  header.compressed = compression_;
  const auto bytes = header.Encode();
  stream_->Seek(0, SeekOrigin::Begin);
  stream_->WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  headerSize_ = ReportFileHeader::kPackedSize;
}

void TQRPageList::ReadHeader() {
  std::lock_guard guard(lock_);
  TQRStream& stream = *stream_;
  stream.Seek(0, SeekOrigin::Begin);
  const int headerSize = ReportFileHeader::SizeOf(stream);
  std::vector<std::uint8_t> bytes(headerSize);
  stream.ReadBuffer(bytes.data(), headerSize);
  const ReportFileHeader header = ReportFileHeader::Decode(bytes, headerSize);
  const int countOffset = headerSize == ReportFileHeader::kAlignedSize ? 8 : 5;
  const std::int32_t smallestRecord =
      kRecordOverhead + (header.compressed ? kSmallestCodedBody : kSmallestMetafile);
  if (header.pageCount < 0 || header.pageCount > (stream.Size() - headerSize) / smallestRecord)
    throw DamagedReportFile(
        "page count " + std::to_string(header.pageCount) + " does not fit the file", countOffset);
  pageCount_ = header.pageCount;
  compression_ = header.compressed;
  headerSize_ = headerSize;
}

void TQRPageList::OpenFile(const std::string& name) {
  std::lock_guard guard(lock_);
  stream_.reset();
  pageCount_ = 0;
  stream_ = TQRStream::CreateOnFile(name);
  try {
    ReadHeader();
  } catch (...) {
    stream_.reset();
    throw;
  }
}

// Holds the list's lock as well as the stream's, so that a page read by
// another thread is not disturbed by the copy moving the position.
void TQRPageList::SaveToFile(const std::string& name) {
  std::lock_guard guard(lock_);
  FileStream file = FileStream::Create(name);
  if (stream_) stream_->SaveToStream(file);
}

}  // namespace qr
