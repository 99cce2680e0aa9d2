#include "platform/file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <vector>

namespace qr {
namespace {

StreamError OpenError(const std::string& path) {
  return StreamError("Cannot open file \"" + path + "\". " + std::strerror(errno));
}

}  // namespace

FileStream FileStream::OpenForReading(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) throw OpenError(path);
  return FileStream(descriptor);
}

FileStream FileStream::Create(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (descriptor < 0)
    throw StreamError("Cannot create file \"" + path + "\". " + std::strerror(errno));
  return FileStream(descriptor);
}

FileStream::FileStream(FileStream&& other) noexcept
    : descriptor_(other.descriptor_), position_(other.position_) {
  other.descriptor_ = -1;
}

FileStream::~FileStream() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

// Reads and writes address the file by the stream's own position, so that
// a seek costs no system call: page-link walks seek for every few bytes read.
std::int32_t FileStream::Read(void* buffer, std::int32_t count) {
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t got =
        ::pread(descriptor_, static_cast<char*>(buffer) + done, count - done, position_ + done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw StreamError("Stream read error");
    if (got == 0) break;
    done += static_cast<std::int32_t>(got);
  }
  position_ += done;
  return done;
}

std::int32_t FileStream::Write(const void* buffer, std::int32_t count) {
  // Report files address their pages with 32-bit offsets.
  if (count > 0 && position_ > std::numeric_limits<std::int32_t>::max() - count)
    throw StreamError(
        "Stream write error: the pages exceed 2 GiB, the most a report file can hold");
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t put = ::pwrite(descriptor_, static_cast<const char*>(buffer) + done, count - done,
                                 position_ + done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) throw StreamError("Stream write error");
    done += static_cast<std::int32_t>(put);
  }
  position_ += done;
  return done;
}

std::int32_t FileStream::Size() {
  struct stat status;
  if (::fstat(descriptor_, &status) != 0) throw StreamError("Stream read error");
  return static_cast<std::int32_t>(
      std::min<off_t>(status.st_size, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t FileStream::Seek(std::int32_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == SeekOrigin::Current) base = position_;
  if (origin == SeekOrigin::End) base = Size();
  const std::int64_t target = base + offset;
  if (target < 0 || target > std::numeric_limits<std::int32_t>::max())
    throw StreamError("Stream seek error");
  position_ = static_cast<std::int32_t>(target);
  return position_;
}

FileStream CreateTemporaryFile(const std::string& prefix, std::string& path) {
  const std::string pattern = QDir::tempPath().toStdString() + "/" + prefix + "XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
  if (descriptor < 0)
    throw StreamError("Cannot create a temporary file. " + std::string(std::strerror(errno)));
  path = name.data();
  return FileStream(descriptor);
}

}  // namespace qr
