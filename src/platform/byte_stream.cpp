#include "platform/byte_stream.h"

#include "platform/little_endian.h"

namespace qr {

std::int32_t ByteStream::Size() {
  const std::int32_t position = Position();
  const std::int32_t size = Seek(0, SeekOrigin::End);
  Seek(position, SeekOrigin::Begin);
  return size;
}

void ByteStream::ReadBuffer(void* buffer, std::int32_t count) {
  if (count != 0 && Read(buffer, count) != count) throw StreamError("Stream read error");
}

void ByteStream::WriteBuffer(const void* buffer, std::int32_t count) {
  if (count != 0 && Write(buffer, count) != count) throw StreamError("Stream write error");
}

std::int32_t ByteStream::ReadInt32() {
  std::uint8_t bytes[4];
  ReadBuffer(bytes, 4);
  return GetInt32(bytes);
}

void ByteStream::WriteInt32(std::int32_t value) {
  std::uint8_t bytes[4];
  PutInt32(bytes, value);
  WriteBuffer(bytes, 4);
}

}  // namespace qr
