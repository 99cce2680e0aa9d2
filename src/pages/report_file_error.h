#pragma once

#include <stdexcept>
#include <string>

namespace qr {

// A report file whose structure is damaged: counts, offsets or links that do
// not fit the file. The message names the fault and its byte offset.
class ReportFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Report file is damaged: <what> at offset <offset>".
ReportFileError DamagedReportFile(const std::string& what, long long offset);

}  // namespace qr
