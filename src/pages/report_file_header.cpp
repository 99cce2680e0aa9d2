#include "pages/report_file_header.h"

#include <cstring>
#include <string>

#include "pages/report_file_error.h"
#include "platform/little_endian.h"

namespace qr {
namespace {

// The first two fields carry fixed values that no reader checks.
constexpr std::uint16_t kFirstMarker = 3;
constexpr std::uint16_t kSecondMarker = 40;
// Page 1's record starts with 8 bytes of page number and link; its metafile's
// signature " EMF" lies 40 bytes into the metafile, so its "EMF" text starts
// at header + 8 + 41.
constexpr int kSignatureTextOffset = 8 + 41;

bool HasEmfTextAt(ByteStream& stream, std::int32_t offset) {
  char text[5] = {};
  stream.Seek(offset, SeekOrigin::Begin);
  stream.ReadBuffer(text, 4);
  return std::strcmp(text, "EMF") == 0;  // the text up to the first zero byte
}

}  // namespace

ReportFileError DamagedReportFile(const std::string& what, long long offset) {
  return ReportFileError("Report file is damaged: " + what + " at offset " +
                         std::to_string(offset));
}

std::array<std::uint8_t, ReportFileHeader::kPackedSize> ReportFileHeader::Encode() const {
  std::array<std::uint8_t, kPackedSize> bytes{};  // unused bytes are zero
  PutUint16(bytes.data(), kFirstMarker);
  PutUint16(bytes.data() + 2, kSecondMarker);
  PutInt32(bytes.data() + 5, pageCount);
  PutDouble(bytes.data() + 9, writtenAt);
  bytes[18] = compressed ? 1 : 0;
  return bytes;
}

ReportFileHeader ReportFileHeader::Decode(std::span<const std::uint8_t> bytes, int headerSize) {
  ReportFileHeader header;
  if (headerSize == kAlignedSize) {
    header.pageCount = GetInt32(bytes.data() + 8);
    header.writtenAt = GetDouble(bytes.data() + 12);
    header.compressed = bytes[21] != 0;
  } else {
    header.pageCount = GetInt32(bytes.data() + 5);
    header.writtenAt = GetDouble(bytes.data() + 9);
    header.compressed = bytes[18] != 0;
  }
  return header;
}

int ReportFileHeader::SizeOf(ByteStream& stream) {
  const std::int32_t position = stream.Position();
  int size = kPackedSize;
  if (HasEmfTextAt(stream, kAlignedSize + kSignatureTextOffset))
    size = kAlignedSize;
  else if (HasEmfTextAt(stream, kPaddedSize + kSignatureTextOffset))
    size = kPaddedSize;
  stream.Seek(position, SeekOrigin::Begin);
  return size;
}

}  // namespace qr
