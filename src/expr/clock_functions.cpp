#include <QDate>
#include <QTime>

#include "expr/builtin_functions.h"
#include "platform/locale.h"

namespace qr::expr {

TQREvValue TQREvTimeFunction::ComputeResult() {
  if (ArgumentCount() != 0) return TQREvValue::Error({});
  return TQREvValue::String(Locale::Current().FormatLongTime(QTime::currentTime()));
}

TQREvValue TQREvDateFunction::ComputeResult() {
  if (ArgumentCount() != 0) return TQREvValue::Error({});
  return TQREvValue::String(Locale::Current().FormatShortDate(QDate::currentDate()));
}

}  // namespace qr::expr
