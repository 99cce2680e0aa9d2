#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/byte_stream.h"
#include "platform/file_stream.h"
#include "platform/memory_stream.h"

namespace qr {

// The stream that holds a page store. It starts in memory and moves itself,
// once, to a temporary file ("QRP" prefix, user's temporary directory) when a
// write takes it past MemoryLimit bytes. Every call holds a re-entrant lock, so
// the producing thread and the window thread may share it; a caller that needs
// several calls to be atomic (seek, then read) takes Lock() around them.
class TQRStream : public ByteStream {
 public:
  static std::unique_ptr<TQRStream> CreateInMemory(std::int32_t memoryLimit);
  // Opens an existing file read-only; it stays on that file and never deletes it.
  static std::unique_ptr<TQRStream> CreateOnFile(const std::string& name);
  // Deletes the temporary file, if the stream moved to one.
  ~TQRStream() override;

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int32_t Seek(std::int32_t offset, SeekOrigin origin) override;
  std::int32_t Size() override;

  // Copies the whole stream to `target` from position 0 in chunks of at most
  // 10240 bytes; the position is left at the end.
  void SaveToStream(ByteStream& target);

  bool InMemory() const { return inMemory_; }
  std::int32_t MemoryLimit() const { return memoryLimit_; }
  const std::string& TempFileName() const { return tempFileName_; }
  std::recursive_mutex& Lock() { return lock_; }

 private:
  TQRStream() = default;
  ByteStream& Current();
  void MoveToTemporaryFile();

  std::recursive_mutex lock_;
  std::optional<MemoryStream> memory_;
  std::optional<FileStream> file_;
  std::string tempFileName_;
  bool inMemory_ = true;
  std::int32_t memoryLimit_ = 0;
};

}  // namespace qr
