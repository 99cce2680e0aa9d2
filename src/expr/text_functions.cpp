#include "expr/builtin_functions.h"
#include "expr/messages.h"
#include "expr/numeric_picture.h"
#include "expr/text_case.h"

namespace qr::expr {
namespace {

// UPPER, LOWER and PRETTY: one string argument; an error argument passes its
// message on, any other kind gives an error without a message.
template <typename Change>
TQREvValue ChangeCase(const TQREvElementFunction& function, std::string_view name, Change change) {
  if (function.ArgumentCount() != 1)
    return TQREvValue::Error(FormatMessage(kMissingArgument, name));
  const TQREvValue& argument = function.Argument(0);
  if (argument.ValueKind == EvKind::Error) return argument;
  if (argument.ValueKind != EvKind::String) return TQREvValue::Error({});
  return TQREvValue::String(change(argument.TextValue()));
}

}  // namespace

TQREvValue TQREvStrFunction::ComputeResult() {
  if (ArgumentCount() != 1) return TQREvValue::Error(kConversionError);
  const EvKind kind = Argument(0).ValueKind;
  if (kind == EvKind::String || kind == EvKind::Error) return TQREvValue::Error(kConversionError);
  return TQREvValue::String(ValueToText(Argument(0)));
}

TQREvValue TQREvUpperFunction::ComputeResult() {
  return ChangeCase(*this, "UPPER", UpperCase);
}

TQREvValue TQREvLowerFunction::ComputeResult() {
  return ChangeCase(*this, "LOWER", LowerCase);
}

TQREvValue TQREvPrettyFunction::ComputeResult() {
  return ChangeCase(*this, "PRETTY", PrettyCase);
}

TQREvValue TQREvCopyFunction::ComputeResult() {
  if (ArgumentCount() != 3 || Argument(0).ValueKind != EvKind::String ||
      Argument(1).ValueKind != EvKind::Integer || Argument(2).ValueKind != EvKind::Integer)
    return TQREvValue::Error({});
  return TQREvValue::String(
      CopyCharacters(Argument(0).TextValue(), Argument(1).IntegerValue, Argument(2).IntegerValue));
}

TQREvValue TQREvFormatNumericFunction::ComputeResult() {
  if (ArgumentCount() != 2 || Argument(0).ValueKind != EvKind::String || !Argument(1).IsNumeric())
    return TQREvValue::Error({});
  try {
    return TQREvValue::String(FormatNumeric(Argument(0).TextValue(), Argument(1).AsDouble()));
  } catch (const NumericPictureError&) {
    return TQREvValue::Error(kInvalidFormat);
  }
}

}  // namespace qr::expr
