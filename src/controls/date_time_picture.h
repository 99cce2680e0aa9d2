#pragma once

#include <string>
#include <string_view>

#include "platform/locale.h"

class QDateTime;

namespace qr {

// Formats a date-time with a picture, the Mask language of field texts on
// date and time fields (letters case-insensitive):
//   d dd        day without / with a leading zero;  ddd dddd  short / long day name
//   m mm        month (minutes right after an hour);  mmm mmmm  short / long month name
//   yy yyyy     year in two / four digits
//   h hh  n nn  s ss  zzz   hour, minute, second, milliseconds
//   am/pm a/p   12-hour clock with the marker in the picture's case
//   c           short date, then the long time unless it is midnight
//   ddddd t tt  short date, short time, long time of the locale
//   '..' ".."   literal text; any other character is copied as it stands
// Day and month names are English.
std::string FormatDateTimePicture(std::string_view picture, const QDateTime& value,
                                  const Locale& locale = Locale::Current());

}  // namespace qr
