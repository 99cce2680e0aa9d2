#include "pages/qr_compress.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/memory_stream.h"

namespace qr {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

std::vector<std::uint8_t> Coded(const std::vector<std::uint8_t>& data) {
  MemoryStream stream;
  CompressBlock(data, stream);
  return stream.TakeBytes();
}

std::vector<std::uint8_t> Expanded(std::vector<std::uint8_t> block) {
  MemoryStream stream(std::move(block));
  std::vector<std::uint8_t> data = ExpandBlock(stream, 1 << 24);
  EXPECT_EQ(stream.Position(), stream.Size());  // stops right after the last coded byte
  return data;
}

TEST(TQRCompress, CodesTheKnownVectors) {
  struct Case {
    const char* text;
    std::vector<std::uint8_t> block;
  };
  const Case cases[] = {
      {"abc", {0x03, 0, 0, 0, 0x46, 0x3D, 0x01}},
      {"aaaa", {0x04, 0, 0, 0, 0x46, 0x45}},
      {"", {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Coded(Bytes(c.text)), c.block);
    EXPECT_EQ(Expanded(c.block), Bytes(c.text));
  }
}

TEST(TQRCompress, RoundTripsEveryLengthUpTo2000) {
  std::mt19937 random(5);
  for (std::size_t length = 0; length <= 2000; ++length) {
    std::vector<std::uint8_t> data(length);
    // Mostly a small alphabet, like drawing records, with some noise.
    for (std::uint8_t& byte : data) byte = random() % 4 ? random() % 16 : random() % 256;
    ASSERT_EQ(Expanded(Coded(data)), data) << length;
  }
}

TEST(TQRCompress, RoundTripsRandomAndSkewedData) {
  std::mt19937 random(11);
  std::vector<std::uint8_t> uniform(100000), constant(100000, 0x41);
  for (std::uint8_t& byte : uniform) byte = static_cast<std::uint8_t>(random());
  EXPECT_EQ(Expanded(Coded(uniform)), uniform);
  const std::vector<std::uint8_t> coded = Coded(constant);
  EXPECT_LT(coded.size(), 100000u / 4);  // a repeated byte soon codes in one or two bits
  EXPECT_EQ(Expanded(coded), constant);
}

TEST(TQRCompress, BlocksDecodeIndependently) {
  MemoryStream stream;
  CompressBlock(Bytes("first block"), stream);
  CompressBlock(Bytes("second"), stream);
  stream.Seek(0, SeekOrigin::Begin);
  EXPECT_EQ(ExpandBlock(stream, 100), Bytes("first block"));
  EXPECT_EQ(ExpandBlock(stream, 100), Bytes("second"));
}

TEST(TQRCompress, ReportsTruncatedAndOversizedBlocks) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> block;
    const char* expected;
  };
  const Case cases[] = {
      {"cut-short", {0x03, 0, 0, 0, 0x46}, "Stream read error"},
      {"no-count", {0x03, 0}, "Stream read error"},
      {"negative", {0xFF, 0xFF, 0xFF, 0xFF}, "Coded block of -1 bytes is damaged"},
      {"too-large", {0x00, 0x00, 0x00, 0x40}, "Coded block of 1073741824 bytes is damaged"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryStream stream(c.block);
    try {
      ExpandBlock(stream, 1 << 24);
      ADD_FAILURE() << "expanded";
    } catch (const StreamError& error) {
      EXPECT_STREQ(error.what(), c.expected);
    }
  }
}

}  // namespace
}  // namespace qr
