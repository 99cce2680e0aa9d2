#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/byte_stream.h"
#include "platform/geometry.h"

namespace qr {

// An enhanced metafile block that is damaged or not a metafile at all. The
// message names the fault and its byte offset.
class EmfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The header fields a page needs. Boxes are inclusive, as the format keeps them:
// `bounds` in device pixels, `frame` in 0.01 mm.
struct EmfHeader {
  Rect bounds;
  Rect frame;
  std::uint32_t byteCount = 0;
  std::uint32_t recordCount = 0;
  std::uint16_t handleCount = 0;
  Size device;
  Size millimetres;
};

// One page drawing: a complete, validated enhanced metafile block.
class Metafile {
 public:
  Metafile() = default;
  // Validates the block (header, every record's size, EOF last) or throws EmfError.
  static Metafile FromBytes(std::vector<std::uint8_t> bytes);
  // Reads one block from the stream's position: the header states the length.
  // A block longer than `maximumSize` bytes is refused as damaged.
  static Metafile ReadFrom(ByteStream& stream, std::int32_t maximumSize);

  bool IsEmpty() const { return bytes_.empty(); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::int32_t ByteCount() const { return static_cast<std::int32_t>(bytes_.size()); }
  const EmfHeader& Header() const { return header_; }
  void WriteTo(ByteStream& stream) const;

  // Picture size in pixels of the reference screen, from the physical frame.
  int Width() const;
  int Height() const;

 private:
  std::vector<std::uint8_t> bytes_;
  EmfHeader header_;
};

}  // namespace qr
