#include "platform/file_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>

namespace qr {
namespace {

// Report files address pages with 32-bit offsets; a store that would grow
// past them must say so instead of wrapping around.
TEST(FileStream, RefusesToGrowPastWhatReportFilesAddress) {
  std::string path;
  FileStream stream = CreateTemporaryFile("QRP", path);
  const char bytes[16] = {};
  stream.Seek(std::numeric_limits<std::int32_t>::max() - 8, SeekOrigin::Begin);
  try {
    stream.Write(bytes, sizeof bytes);
    FAIL() << "no error";
  } catch (const StreamError& error) {
    EXPECT_STREQ(error.what(),
                 "Stream write error: the pages exceed 2 GiB, the most a report file can hold");
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace qr
