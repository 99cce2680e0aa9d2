#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "pages/qr_stream.h"
#include "platform/emf/metafile.h"

namespace qr {

// The page store: a header and one record per page in a TQRStream.
//
//   record = page number (int32), offset of the next record (int32),
//            body, offset of this record (int32)
//
// The body is the page's metafile, or with Compression its byte count and the
// coded bytes. The links let a reader step to a neighbouring page by reading
// only record ends. AddPage and GetPage hold the list's lock for their whole
// run and the stream takes its own inside (list first, stream second), so a
// window thread may read pages while a producer adds them.
//
// Reading trusts nothing in the stream: counts, offsets and links are checked
// against the stream's size and against each other, and a damaged store ends
// in ReportFileError, EmfError or StreamError, never a read outside the data
// or a walk that does not end.
class TQRPageList {
 public:
  bool Compression() const { return compression_; }
  void SetCompression(bool compression) { compression_ = compression; }
  std::int32_t PageCount() const { return pageCount_; }

  TQRStream* Stream() const { return stream_.get(); }
  void AttachStream(std::unique_ptr<TQRStream> stream);
  // Frees the stream (and with it any temporary file).
  void FreeStream();

  void AddPage(const Metafile& page);
  // Page n (1-based), or nothing when n is outside 1..PageCount.
  std::optional<Metafile> GetPage(std::int32_t n);
  void SeekToPage(std::int32_t n);

  void WriteHeader();
  void ReadHeader();

  // Opens a report file read-only and reads its header. On failure nothing
  // stays attached.
  void OpenFile(const std::string& name);
  void SaveToFile(const std::string& name);
  void Clear() { pageCount_ = 0; }

 private:
  // The first two fields of a record.
  struct RecordHead {
    std::int32_t pageNumber = 0;
    std::int32_t nextRecord = 0;
  };
  // Reads a record's number and forward link; the number must name a page.
  RecordHead ReadHeadAt(std::int32_t position);
  std::int32_t ReadOffsetAt(std::int32_t position);
  // `offset` if a record can start there in a stream of `size` bytes.
  std::int32_t CheckedRecordStart(std::int32_t offset, std::int32_t where, std::int32_t size) const;
  Metafile ReadPageAt(std::int32_t n);

  std::recursive_mutex lock_;
  std::unique_ptr<TQRStream> stream_;
  bool compression_ = false;
  std::atomic<std::int32_t> pageCount_{0};
  std::int32_t headerSize_ = 120;
};

}  // namespace qr
