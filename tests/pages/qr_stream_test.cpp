#include "pages/qr_stream.h"

#include <gtest/gtest.h>

#include <QDir>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <thread>

#include "platform/memory_stream.h"
#include "support/temp_dir.h"

namespace qr {
namespace {

std::vector<std::uint8_t> Counting(std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::iota(bytes.begin(), bytes.end(), 0);
  return bytes;
}

std::vector<std::uint8_t> ReadAt(ByteStream& stream, std::int32_t position, std::int32_t count) {
  std::vector<std::uint8_t> bytes(count);
  stream.Seek(position, SeekOrigin::Begin);
  stream.ReadBuffer(bytes.data(), count);
  return bytes;
}

TEST(TQRStream, StaysInMemoryUpToItsLimitAndMovesPastIt) {
  auto stream = TQRStream::CreateInMemory(100);
  const std::vector<std::uint8_t> data = Counting(101);
  stream->WriteBuffer(data.data(), 100);
  EXPECT_TRUE(stream->InMemory());  // exactly at the limit
  const std::vector<std::uint8_t> before = ReadAt(*stream, 10, 50);

  stream->Seek(100, SeekOrigin::Begin);
  stream->WriteBuffer(data.data() + 100, 1);
  ASSERT_FALSE(stream->InMemory());
  EXPECT_EQ(stream->Position(), 101);  // where the memory position was
  const std::string name = stream->TempFileName();
  EXPECT_EQ(std::filesystem::path(name).filename().string().substr(0, 3), "QRP");
  EXPECT_EQ(std::filesystem::path(name).parent_path(),
            std::filesystem::path(QDir::tempPath().toStdString()));
  EXPECT_EQ(std::filesystem::file_size(name), 101u);
  EXPECT_EQ(ReadAt(*stream, 10, 50), before);
  EXPECT_EQ(ReadAt(*stream, 0, 101), data);
  EXPECT_EQ(stream->Size(), 101);

  stream.reset();
  EXPECT_FALSE(std::filesystem::exists(name));
}

TEST(TQRStream, LeavesTheFileItWasOpenedOnAlone) {
  qrtest::TempDir dir;
  const std::string name = dir.File("report.qrp");
  std::ofstream(name) << "page store";
  auto stream = TQRStream::CreateOnFile(name);
  EXPECT_FALSE(stream->InMemory());
  EXPECT_EQ(stream->MemoryLimit(), 0);
  EXPECT_EQ(stream->TempFileName(), "");
  EXPECT_EQ(stream->Size(), 10);
  stream.reset();
  EXPECT_TRUE(std::filesystem::exists(name));
}

TEST(TQRStream, OpeningAMissingFileFails) {
  try {
    TQRStream::CreateOnFile("/nonexistent/report.qrp");
    ADD_FAILURE() << "opened";
  } catch (const StreamError& error) {
    EXPECT_STREQ(error.what(),
                 "Cannot open file \"/nonexistent/report.qrp\". No such file or directory");
  }
}

// Counts the write calls it receives.
class ChunkRecorder : public MemoryStream {
 public:
  std::vector<std::int32_t> writes;
  std::int32_t Write(const void* buffer, std::int32_t count) override {
    writes.push_back(count);
    return MemoryStream::Write(buffer, count);
  }
};

TEST(TQRStream, SavesInChunksOfAtMost10240Bytes) {
  for (bool moved : {false, true}) {
    SCOPED_TRACE(moved ? "on file" : "in memory");
    auto stream = TQRStream::CreateInMemory(moved ? 1000 : 1 << 20);
    const std::vector<std::uint8_t> data = Counting(25000);
    stream->WriteBuffer(data.data(), 25000);
    EXPECT_EQ(stream->InMemory(), !moved);
    ChunkRecorder target;
    stream->SaveToStream(target);
    EXPECT_EQ(target.writes, (std::vector<std::int32_t>{10240, 10240, 4520}));
    EXPECT_EQ(target.Bytes(), data);
    EXPECT_EQ(stream->Position(), 25000);
  }
}

TEST(TQRStream, SerialisesConcurrentWriters) {
  auto stream = TQRStream::CreateInMemory(5000);
  auto writer = [&](std::uint8_t value) {
    for (int i = 0; i < 2000; ++i) {
      std::lock_guard guard(stream->Lock());
      stream->Seek(0, SeekOrigin::End);
      const std::uint8_t pair[2] = {value, value};
      stream->WriteBuffer(pair, 2);
    }
  };
  std::thread first(writer, 1), second(writer, 2);
  first.join();
  second.join();
  const std::vector<std::uint8_t> all = ReadAt(*stream, 0, stream->Size());
  ASSERT_EQ(all.size(), 8000u);
  for (std::size_t i = 0; i < all.size(); i += 2) ASSERT_EQ(all[i], all[i + 1]) << i;
}

}  // namespace
}  // namespace qr
