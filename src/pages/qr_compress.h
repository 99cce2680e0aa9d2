#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/byte_stream.h"

namespace qr {

// The page coder: an adaptive splay-tree prefix code. Each byte is written as
// the path from the root to its leaf (bits fill each output byte from its least
// significant bit up), then its leaf is splayed towards the root so that
// frequent bytes get shorter codes. Coder and expander apply the same splay and
// keep identical trees. One coder serves one block and is bound to one stream.
class TQRCompress {
 public:
  TQRCompress(ByteStream& stream, bool compress);
  // In compress mode, writes what is still pending; errors are lost here, so
  // call Finish to see them.
  ~TQRCompress();
  TQRCompress(const TQRCompress&) = delete;
  TQRCompress& operator=(const TQRCompress&) = delete;

  void PutByte(std::uint8_t value);
  // Throws StreamError when the stream ends inside a code.
  std::uint8_t GetByte();
  // Compress mode: writes the collected bytes and the partly filled last byte.
  void Finish();

 private:
  void Splay(std::uint8_t value);
  void Emit(std::uint8_t byte);

  static constexpr int kInternalNodes = 256;
  static constexpr int kNodes = 513;

  ByteStream& stream_;
  bool compress_;
  bool finished_ = false;
  std::uint8_t bitPosition_;
  std::uint16_t inputByte_ = 0;
  std::uint16_t outputByte_ = 0;
  std::array<std::uint16_t, kInternalNodes> left_;
  std::array<std::uint16_t, kInternalNodes> right_;
  std::array<std::uint8_t, kNodes> up_;
  std::vector<std::uint8_t> pending_;
};

// A coded block as pages store it: the 32-bit count of uncoded bytes, then the
// bit stream of a fresh coder.
void CompressBlock(std::span<const std::uint8_t> data, ByteStream& target);
// Reads a block written by CompressBlock. A count below 0 or above
// `maximumCount` is refused with StreamError before anything is allocated.
std::vector<std::uint8_t> ExpandBlock(ByteStream& source, std::int32_t maximumCount);

}  // namespace qr
