#pragma once

#include <cmath>

namespace qr {

// Rounds to the nearest integer with halves to the even neighbour, the rule for
// every length the engine turns into whole units. Assumes the default
// floating-point rounding mode.
inline int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}
inline int RoundHalfEven(long double value) {
  return static_cast<int>(std::nearbyintl(value));
}

}  // namespace qr
