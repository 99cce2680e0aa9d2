#pragma once

#include <string>

#include "platform/locale.h"

namespace qr {

// The general float text: at most 15 significant digits, the locale's decimal
// separator, no digit grouping, no trailing zeros. Magnitudes with more than 15
// integer digits or below 0.0001 are written in exponent form ("1.5E20", "1E-5").
// Infinities and NaN are written as "INF", "-INF" and "NAN".
std::string GeneralFloatText(double value, const Locale& locale = Locale::Current());

}  // namespace qr
