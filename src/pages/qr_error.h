#pragma once

#include <stdexcept>

namespace qr {

// Misuse of the report engine's objects, with the engine's fixed messages.
class EQRError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qr
