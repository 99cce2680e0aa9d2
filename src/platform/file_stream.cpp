#include "platform/file_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
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

FileStream::FileStream(FileStream&& other) noexcept : descriptor_(other.descriptor_) {
  other.descriptor_ = -1;
}

FileStream::~FileStream() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

std::int32_t FileStream::Read(void* buffer, std::int32_t count) {
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(descriptor_, static_cast<char*>(buffer) + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw StreamError("Stream read error");
    if (got == 0) break;
    done += static_cast<std::int32_t>(got);
  }
  return done;
}

std::int32_t FileStream::Write(const void* buffer, std::int32_t count) {
  std::int32_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(descriptor_, static_cast<const char*>(buffer) + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) throw StreamError("Stream write error");
    done += static_cast<std::int32_t>(put);
  }
  return done;
}

std::int32_t FileStream::Seek(std::int32_t offset, SeekOrigin origin) {
  const int whence = origin == SeekOrigin::Begin     ? SEEK_SET
                     : origin == SeekOrigin::Current ? SEEK_CUR
                                                     : SEEK_END;
  const off_t position = ::lseek(descriptor_, offset, whence);
  if (position < 0 || position > std::numeric_limits<std::int32_t>::max())
    throw StreamError("Stream seek error");
  return static_cast<std::int32_t>(position);
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
