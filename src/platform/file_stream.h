#pragma once

#include <string>

#include "platform/byte_stream.h"

namespace qr {

// A stream on an open file descriptor, which it closes.
class FileStream : public ByteStream {
 public:
  // An existing file, read-only; others may still read and write it.
  static FileStream OpenForReading(const std::string& path);
  // Creates the file or truncates it, for reading and writing.
  static FileStream Create(const std::string& path);
  // Takes over an open descriptor.
  explicit FileStream(int descriptor) : descriptor_(descriptor) {}
  FileStream(FileStream&& other) noexcept;
  FileStream& operator=(FileStream&&) = delete;
  ~FileStream() override;

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int32_t Seek(std::int32_t offset, SeekOrigin origin) override;
  std::int32_t Size() override;

 private:
  int descriptor_;
  std::int32_t position_ = 0;
};

// A new empty file with a unique name starting with `prefix` in the user's
// temporary directory, open for reading and writing; `path` receives its name.
FileStream CreateTemporaryFile(const std::string& prefix, std::string& path);

}  // namespace qr
