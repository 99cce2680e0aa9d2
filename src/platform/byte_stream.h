#pragma once

#include <cstdint>
#include <stdexcept>

namespace qr {

// A failed stream operation: short read, failed write, file that cannot be
// opened. The message says what failed.
class StreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class SeekOrigin { Begin, Current, End };

// A byte stream with 32-bit signed positions and sizes.
class ByteStream {
 public:
  virtual ~ByteStream() = default;

  // Read up to / write `count` bytes; return how many were transferred.
  virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
  virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
  // Returns the new position.
  virtual std::int32_t Seek(std::int32_t offset, SeekOrigin origin) = 0;
  virtual std::int32_t Size();

  std::int32_t Position() { return Seek(0, SeekOrigin::Current); }

  // Transfer exactly `count` bytes or throw StreamError.
  void ReadBuffer(void* buffer, std::int32_t count);
  void WriteBuffer(const void* buffer, std::int32_t count);
  std::int32_t ReadInt32();
  void WriteInt32(std::int32_t value);
};

}  // namespace qr
