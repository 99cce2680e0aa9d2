#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace qrtest {

// A directory removed with the test.
class TempDir {
 public:
  std::filesystem::path Path() const { return dir_.path().toStdString(); }
  std::string File(const std::string& name) const { return (Path() / name).string(); }

 private:
  QTemporaryDir dir_;
};

}  // namespace qrtest
