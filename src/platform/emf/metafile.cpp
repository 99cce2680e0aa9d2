#include "platform/emf/metafile.h"

#include <algorithm>
#include <cmath>

#include "platform/emf/emf_reader.h"
#include "platform/emf/emf_records.h"
#include "platform/little_endian.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

// 0.01 mm per inch.
constexpr double kHundredthsOfMillimetrePerInch = 2540;

// Damaged headers may hold any values: the arithmetic is wide and clamped.
int FrameToPixels(std::int64_t first, std::int64_t last) {
  const double pixels =
      std::round((last - first) * ReferencePixelsPerInch() / kHundredthsOfMillimetrePerInch);
  return static_cast<int>(std::clamp(pixels, -1e9, 1e9));
}

}  // namespace

Metafile Metafile::FromBytes(std::vector<std::uint8_t> bytes) {
  Metafile metafile;
  metafile.header_ = EmfReader(bytes).Header();
  metafile.bytes_ = std::move(bytes);
  return metafile;
}

Metafile Metafile::ReadFrom(ByteStream& stream, std::int32_t maximumSize) {
  std::vector<std::uint8_t> bytes(emf::kMinimumHeaderSize);
  stream.ReadBuffer(bytes.data(), emf::kMinimumHeaderSize);
  const EmfHeader header = EmfReader::ReadHeader(bytes);
  if (header.byteCount > static_cast<std::uint32_t>(maximumSize))
    throw EmfError("Invalid metafile: total size " + std::to_string(header.byteCount) +
                   " exceeds the " + std::to_string(maximumSize) + " bytes available");
  bytes.resize(header.byteCount);
  stream.ReadBuffer(bytes.data() + emf::kMinimumHeaderSize,
                    static_cast<std::int32_t>(header.byteCount) - emf::kMinimumHeaderSize);
  return FromBytes(std::move(bytes));
}

void Metafile::WriteTo(ByteStream& stream) const {
  stream.WriteBuffer(bytes_.data(), ByteCount());
}

// The frame is inclusive, so its extent is one 0.01 mm short of the picture;
// rounding to whole pixels absorbs that.
int Metafile::Width() const {
  return FrameToPixels(header_.frame.left, header_.frame.right);
}

int Metafile::Height() const {
  return FrameToPixels(header_.frame.top, header_.frame.bottom);
}

}  // namespace qr
