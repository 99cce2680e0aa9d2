#pragma once

#include <stdexcept>
#include <string>

namespace qr::data {

// A failure of a data source: a rejected statement, a missing table or field,
// a table held by another session. The message is meant for the user.
class DataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qr::data
