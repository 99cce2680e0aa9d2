#include <cmath>
#include <cstdint>
#include <optional>

#include "expr/builtin_functions.h"
#include "expr/messages.h"

namespace qr::expr {
namespace {

// Floats of magnitude below 2^63 convert to 64-bit integers (so every quotient
// fits); larger magnitudes, infinities and NaN do not convert.
constexpr double kLimitOfInt64 = 9223372036854775808.0;  // 2^63

std::optional<std::int64_t> WholeNumber(double value) {
  if (!(std::fabs(value) < kLimitOfInt64)) return std::nullopt;
  return static_cast<std::int64_t>(value);
}

// The nearest integer, halves to the even neighbour.
std::optional<std::int64_t> RoundedToInteger(const TQREvValue& value) {
  if (value.ValueKind == EvKind::Integer) return value.IntegerValue;
  return WholeNumber(std::nearbyint(value.FloatValue));
}

// Results keep the low 32 bits, as the value's integer arithmetic does.
std::int32_t Wrap(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

TQREvValue TQREvIntFunction::ComputeResult() {
  const TQREvValue wrong = TQREvValue::Error(FormatMessage(kWrongArguments, "INT"));
  if (ArgumentCount() != 1 || !Argument(0).IsNumeric()) return wrong;
  if (Argument(0).ValueKind == EvKind::Integer) return Argument(0);
  const std::optional<std::int64_t> whole = WholeNumber(std::trunc(Argument(0).FloatValue));
  return whole ? TQREvValue::Integer(Wrap(*whole)) : wrong;
}

TQREvValue TQREvFracFunction::ComputeResult() {
  if (ArgumentCount() != 1 || !Argument(0).IsNumeric()) return TQREvValue::Error({});
  if (Argument(0).ValueKind == EvKind::Integer) return TQREvValue::Float(0);
  const double value = Argument(0).FloatValue;
  return TQREvValue::Float(value - std::trunc(value));
}

TQREvValue TQREvSQRTFunction::ComputeResult() {
  if (ArgumentCount() != 1 || !Argument(0).IsNumeric() || Argument(0).AsDouble() < 0)
    return TQREvValue::Error(kInvalidSqrtArgument);
  return TQREvValue::Float(std::sqrt(Argument(0).AsDouble()));
}

TQREvValue TQREvDivFunction::ComputeResult() {
  const TQREvValue wrong = TQREvValue::Error(FormatMessage(kWrongArguments, "DIV"));
  if (ArgumentCount() != 2 || !Argument(0).IsNumeric() || !Argument(1).IsNumeric()) return wrong;
  const std::optional<std::int64_t> dividend = RoundedToInteger(Argument(0));
  const std::optional<std::int64_t> divisor = RoundedToInteger(Argument(1));
  if (!dividend || !divisor) return wrong;
  if (*divisor == 0) return TQREvValue::Error(kDivisionByZero);
  return TQREvValue::Integer(Wrap(*dividend / *divisor));
}

}  // namespace qr::expr
