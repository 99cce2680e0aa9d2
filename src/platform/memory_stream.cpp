#include "platform/memory_stream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace qr {

std::int32_t MemoryStream::Read(void* buffer, std::int32_t count) {
  const std::int32_t available = std::max(0, Size() - position_);
  const std::int32_t taken = std::clamp(count, 0, available);
  if (taken > 0) std::memcpy(buffer, bytes_.data() + position_, taken);
  position_ += taken;
  return taken;
}

std::int32_t MemoryStream::Write(const void* buffer, std::int32_t count) {
  if (count <= 0) return 0;
  if (count > std::numeric_limits<std::int32_t>::max() - position_)
    throw StreamError("Stream write error");
  const std::size_t end = static_cast<std::size_t>(position_) + count;
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

std::int32_t MemoryStream::Seek(std::int32_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == SeekOrigin::Current) base = position_;
  if (origin == SeekOrigin::End) base = Size();
  const std::int64_t target = base + offset;
  if (target < 0 || target > std::numeric_limits<std::int32_t>::max())
    throw StreamError("Stream seek error");
  position_ = static_cast<std::int32_t>(target);
  return position_;
}

std::vector<std::uint8_t> MemoryStream::TakeBytes() {
  position_ = 0;
  return std::move(bytes_);
}

}  // namespace qr
