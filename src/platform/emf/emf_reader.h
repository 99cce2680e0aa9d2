#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/emf/metafile.h"

namespace qr {

// One record of a block: its type and all its bytes, prefix included.
struct EmfRecord {
  std::uint32_t type = 0;
  std::size_t offset = 0;
  std::span<const std::uint8_t> bytes;

  // Throws EmfError unless the record holds at least `size` bytes.
  void Require(std::size_t size) const;
  std::uint32_t Uint32At(std::size_t offset) const;
  std::int32_t Int32At(std::size_t offset) const;
  Rect RectAt(std::size_t offset) const;
};

// Validates an enhanced metafile block and lists its records. A block is
// accepted when it starts with a header record carrying the signature, states
// its own length, and consists of well-formed records (at least 8 bytes, a
// multiple of 4, inside the block) ending with exactly one EOF record.
class EmfReader {
 public:
  // Throws EmfError naming the first fault found.
  explicit EmfReader(std::span<const std::uint8_t> block);

  const EmfHeader& Header() const { return header_; }
  const std::vector<EmfRecord>& Records() const { return records_; }

  // Checks only the header record at the start of `header` (at least its
  // first 88 bytes) and returns its fields.
  static EmfHeader ReadHeader(std::span<const std::uint8_t> header);

 private:
  EmfHeader header_;
  std::vector<EmfRecord> records_;
};

}  // namespace qr
