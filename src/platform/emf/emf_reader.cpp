#include "platform/emf/emf_reader.h"

#include <string>

#include "platform/emf/emf_records.h"
#include "platform/little_endian.h"

namespace qr {
namespace {

EmfError Fault(const std::string& what, std::size_t offset) {
  return EmfError("Invalid metafile: " + what + " at offset " + std::to_string(offset));
}

}  // namespace

void EmfRecord::Require(std::size_t size) const {
  if (bytes.size() < size)
    throw Fault("record of type " + std::to_string(type) + " too short", this->offset);
}

std::uint32_t EmfRecord::Uint32At(std::size_t at) const {
  Require(at + 4);
  return GetUint32(bytes.data() + at);
}

std::int32_t EmfRecord::Int32At(std::size_t at) const {
  return static_cast<std::int32_t>(Uint32At(at));
}

Rect EmfRecord::RectAt(std::size_t at) const {
  return Rect{Int32At(at), Int32At(at + 4), Int32At(at + 8), Int32At(at + 12)};
}

EmfHeader EmfReader::ReadHeader(std::span<const std::uint8_t> block) {
  if (block.size() < emf::kMinimumHeaderSize) throw Fault("header cut short", 0);
  const std::uint8_t* data = block.data();
  if (GetUint32(data) != emf::kHeader) throw Fault("no header record", 0);
  const std::uint32_t headerSize = GetUint32(data + 4);
  if (headerSize < emf::kMinimumHeaderSize || headerSize % 4 != 0)
    throw Fault("bad header size", 4);
  if (GetUint32(data + 40) != emf::kSignature) throw Fault("no signature", 40);
  EmfHeader header;
  header.bounds = {GetInt32(data + 8), GetInt32(data + 12), GetInt32(data + 16),
                   GetInt32(data + 20)};
  header.frame = {GetInt32(data + 24), GetInt32(data + 28), GetInt32(data + 32),
                  GetInt32(data + 36)};
  header.byteCount = GetUint32(data + 48);
  header.recordCount = GetUint32(data + 52);
  header.handleCount = GetUint16(data + 56);
  header.device = {GetInt32(data + 72), GetInt32(data + 76)};
  header.millimetres = {GetInt32(data + 80), GetInt32(data + 84)};
  if (header.byteCount < headerSize + emf::kEofSize) throw Fault("bad total size", 48);
  return header;
}

EmfReader::EmfReader(std::span<const std::uint8_t> block) : header_(ReadHeader(block)) {
  if (header_.byteCount != block.size()) throw Fault("total size differs from block size", 48);
  std::size_t offset = 0;
  while (offset < block.size()) {
    if (block.size() - offset < 8) throw Fault("record cut short", offset);
    const std::uint32_t type = GetUint32(block.data() + offset);
    const std::uint32_t size = GetUint32(block.data() + offset + 4);
    if (size < 8 || size % 4 != 0) throw Fault("bad record size", offset);
    if (size > block.size() - offset) throw Fault("record runs past the end", offset);
    if (type == emf::kHeader && offset != 0) throw Fault("second header", offset);
    records_.push_back(EmfRecord{type, offset, block.subspan(offset, size)});
    offset += size;
    if (type == emf::kEof) break;
  }
  if (records_.empty() || records_.back().type != emf::kEof) throw Fault("no EOF record", offset);
  if (offset != block.size()) throw Fault("data after the EOF record", offset);
}

}  // namespace qr
