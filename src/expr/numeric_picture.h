#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace qr::expr {

// A value the picture cannot show (infinity, not a number).
class NumericPictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Formats `value` with a numeric picture, the mask language shared by the
// printable controls and FORMATNUMERIC:
//   0        a digit, always written (leading or trailing zeros included)
//   #        a digit, written only when significant
//   .        the decimal point (the first one counts), written as the locale's separator
//   ,        anywhere in a section: group the integer digits by thousands
//   E+ E-    exponent form; E+ always writes the exponent's sign, E- only a minus;
//   e+ e-    the zeros that follow give the exponent's minimum digit count
//   '..' ".."  literal text; any other character is copied as it stands
// Up to three sections separated by ';' serve positive, negative and zero
// values. A negative value without its own section gets a leading '-'; an empty
// section falls back to the first. A value that rounds to zero for the first
// section is written with the zero section. Values are first taken to 15
// significant digits, then rounded half away from zero at the last placeholder,
// so 2.675 shows as 2.68 with "0.00". An empty picture gives the general float
// text, as does a fixed picture for a magnitude of 1E18 or more.
// Throws NumericPictureError for infinities and NaN.
std::string FormatNumeric(std::string_view picture, double value,
                          const Locale& locale = Locale::Current());

}  // namespace qr::expr
