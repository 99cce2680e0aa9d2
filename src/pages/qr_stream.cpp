#include "pages/qr_stream.h"

#include <cstdio>
#include <filesystem>
#include <vector>

namespace qr {
namespace {

constexpr std::int32_t kCopyChunkSize = 10240;
constexpr const char* kTemporaryFilePrefix = "QRP";

}  // namespace

std::unique_ptr<TQRStream> TQRStream::CreateInMemory(std::int32_t memoryLimit) {
  std::unique_ptr<TQRStream> stream(new TQRStream);
  stream->memory_.emplace();
  stream->memoryLimit_ = memoryLimit;
  return stream;
}

std::unique_ptr<TQRStream> TQRStream::CreateOnFile(const std::string& name) {
  std::unique_ptr<TQRStream> stream(new TQRStream);
  stream->file_.emplace(FileStream::OpenForReading(name));
  stream->inMemory_ = false;
  return stream;
}

TQRStream::~TQRStream() {
  std::lock_guard guard(lock_);
  memory_.reset();
  file_.reset();
  if (!tempFileName_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(tempFileName_, ignored);
  }
}

ByteStream& TQRStream::Current() {
  if (inMemory_) return *memory_;
  return *file_;
}

std::int32_t TQRStream::Read(void* buffer, std::int32_t count) {
  std::lock_guard guard(lock_);
  return Current().Read(buffer, count);
}

std::int32_t TQRStream::Write(const void* buffer, std::int32_t count) {
  std::lock_guard guard(lock_);
  const std::int32_t written = Current().Write(buffer, count);
  // A store exactly at the limit stays in memory.
  if (inMemory_ && memory_->Size() > memoryLimit_) MoveToTemporaryFile();
  return written;
}

std::int32_t TQRStream::Seek(std::int32_t offset, SeekOrigin origin) {
  std::lock_guard guard(lock_);
  return Current().Seek(offset, origin);
}

std::int32_t TQRStream::Size() {
  std::lock_guard guard(lock_);
  return Current().Size();
}

void TQRStream::MoveToTemporaryFile() {
  std::string name;
  FileStream file = CreateTemporaryFile(kTemporaryFilePrefix, name);
  tempFileName_ = name;
  const std::int32_t position = memory_->Position();
  file.WriteBuffer(memory_->Bytes().data(), memory_->Size());
  file.Seek(position, SeekOrigin::Begin);
  file_.emplace(std::move(file));
  memory_.reset();
  inMemory_ = false;
}

void TQRStream::SaveToStream(ByteStream& target) {
  std::lock_guard guard(lock_);
  std::vector<std::uint8_t> chunk(kCopyChunkSize);
  Seek(0, SeekOrigin::Begin);
  for (;;) {
    const std::int32_t got = Read(chunk.data(), kCopyChunkSize);
    if (got == 0) break;
    target.WriteBuffer(chunk.data(), got);
  }
}

}  // namespace qr
