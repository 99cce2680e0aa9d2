#pragma once

#include <cstdint>
#include <vector>

#include "platform/byte_stream.h"

namespace qr {

// A growable stream in memory.
class MemoryStream : public ByteStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int32_t Seek(std::int32_t offset, SeekOrigin origin) override;
  std::int32_t Size() override { return static_cast<std::int32_t>(bytes_.size()); }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> TakeBytes();

 private:
  std::vector<std::uint8_t> bytes_;
  std::int32_t position_ = 0;
};

}  // namespace qr
