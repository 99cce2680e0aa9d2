#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "platform/byte_stream.h"

namespace qr {

// The header of a report file (and of every page stream). The current form is
// 120 bytes, fields packed; an older 124-byte form keeps the same fields at
// aligned offsets, and a 128-byte form is read like the packed one.
struct ReportFileHeader {
  static constexpr int kPackedSize = 120;
  static constexpr int kAlignedSize = 124;
  static constexpr int kPaddedSize = 128;

  std::int32_t pageCount = 0;
  double writtenAt = 0;  // days since 1899-12-30, local time
  bool compressed = false;

  std::array<std::uint8_t, kPackedSize> Encode() const;
  // `bytes` holds a header of `headerSize` bytes.
  static ReportFileHeader Decode(std::span<const std::uint8_t> bytes, int headerSize);

  // Which header form a stream has, told by where page 1's metafile signature
  // lies; the position is kept. Fails with the stream's read error when the
  // stream is too short to tell.
  static int SizeOf(ByteStream& stream);
};

}  // namespace qr
