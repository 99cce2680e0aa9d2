#include "expr/builtin_functions.h"
#include "expr/messages.h"

namespace qr::expr {

TQREvValue TQREvIfFunction::ComputeResult() {
  if (ArgumentCount() != 3 || Argument(0).ValueKind != EvKind::Boolean)
    return TQREvValue::Error(FormatMessage(kWrongArguments, "IF"));
  return Argument(0).BooleanValue ? Argument(1) : Argument(2);
}

TQREvValue TQREvTrue::ComputeResult() {
  if (ArgumentCount() != 0) return TQREvValue::Error(kTooManyArguments);
  return TQREvValue::Boolean(true);
}

TQREvValue TQREvFalse::ComputeResult() {
  if (ArgumentCount() != 0) return TQREvValue::Error(kTooManyArguments);
  return TQREvValue::Boolean(false);
}

TQREvValue TQREvTypeOfFunction::ComputeResult() {
  if (ArgumentCount() != 1) return TQREvValue::Error(FormatMessage(kWrongArguments, "TypeOf"));
  return TQREvValue::String(KindName(Argument(0).ValueKind));
}

}  // namespace qr::expr
