#include "expr/element_operator.h"

#include <cstring>

#include "expr/fifo.h"
#include "expr/messages.h"

namespace qr::expr {
namespace {

bool IsComparison(OperatorCode code) {
  return code <= OperatorCode::NotEqual;
}

std::string_view OperatorText(OperatorCode code) {
  switch (code) {
    case OperatorCode::Less:
      return "<";
    case OperatorCode::LessOrEqual:
      return "<=";
    case OperatorCode::Greater:
      return ">";
    case OperatorCode::GreaterOrEqual:
      return ">=";
    case OperatorCode::Or:
      return "OR";
    case OperatorCode::And:
      return "AND";
    default:
      return "";
  }
}

// The verb of "Cannot %s %s expressions".
std::string_view ArithmeticVerb(OperatorCode code) {
  switch (code) {
    case OperatorCode::Plus:
      return "add";
    case OperatorCode::Minus:
      return "subtract";
    case OperatorCode::Multiply:
      return "multiply";
    default:
      return "divide";
  }
}

TQREvValue NotCompatible(OperatorCode code, std::string_view kindWord) {
  return TQREvValue::Error(FormatMessage(kOperatorNotCompatible, {OperatorText(code), kindWord}));
}

TQREvValue CannotOperate(OperatorCode code, std::string_view kindWord) {
  return TQREvValue::Error(FormatMessage(kCannotOperate, {ArithmeticVerb(code), kindWord}));
}

template <typename T>
TQREvValue Compare(OperatorCode code, const T& left, const T& right) {
  switch (code) {
    case OperatorCode::Less:
      return TQREvValue::Boolean(left < right);
    case OperatorCode::LessOrEqual:
      return TQREvValue::Boolean(left <= right);
    case OperatorCode::Greater:
      return TQREvValue::Boolean(left > right);
    case OperatorCode::GreaterOrEqual:
      return TQREvValue::Boolean(left >= right);
    case OperatorCode::Equal:
      return TQREvValue::Boolean(left == right);
    default:
      return TQREvValue::Boolean(left != right);
  }
}

// 32-bit two's complement arithmetic: results wrap instead of overflowing.
std::int32_t Wrap(std::uint32_t value) {
  return static_cast<std::int32_t>(value);
}

TQREvValue ApplyInteger(OperatorCode code, std::int32_t left, std::int32_t right) {
  if (IsComparison(code)) return Compare(code, left, right);
  const auto a = static_cast<std::uint32_t>(left), b = static_cast<std::uint32_t>(right);
  switch (code) {
    case OperatorCode::Plus:
      return TQREvValue::Integer(Wrap(a + b));
    case OperatorCode::Minus:
      return TQREvValue::Integer(Wrap(a - b));
    case OperatorCode::Multiply:
      return TQREvValue::Integer(Wrap(a * b));
    case OperatorCode::Or:
      return TQREvValue::Integer(Wrap(a | b));
    case OperatorCode::And:
      return TQREvValue::Integer(Wrap(a & b));
    default:
      if (right == 0) return TQREvValue::Error(kCannotDivideByZero);
      return TQREvValue::Float(static_cast<double>(left) / right);
  }
}

TQREvValue ApplyFloat(OperatorCode code, double left, double right) {
  if (IsComparison(code)) return Compare(code, left, right);
  switch (code) {
    case OperatorCode::Plus:
      return TQREvValue::Float(left + right);
    case OperatorCode::Minus:
      return TQREvValue::Float(left - right);
    case OperatorCode::Multiply:
      return TQREvValue::Float(left * right);
    case OperatorCode::Divide:
      if (right == 0) return TQREvValue::Error(kCannotDivideByZero);
      return TQREvValue::Float(left / right);
    default:
      return NotCompatible(code, "numeric");
  }
}

// Joins two texts in place, cutting the result to the value's capacity.
TQREvValue Concatenate(TQREvValue left, const TQREvValue& right) {
  const std::size_t room = TQREvValue::kMaxTextBytes - left.text.length;
  const std::string_view added = CutToCharacterBoundary(right.TextValue(), room);
  if (!added.empty()) std::memcpy(left.text.bytes + left.text.length, added.data(), added.size());
  left.text.length = static_cast<std::uint8_t>(left.text.length + added.size());
  return left;
}

TQREvValue ApplyString(OperatorCode code, const TQREvValue& left, const TQREvValue& right) {
  if (IsComparison(code)) return Compare(code, left.TextValue(), right.TextValue());
  switch (code) {
    case OperatorCode::Plus:
      return Concatenate(left, right);
    case OperatorCode::Or:
    case OperatorCode::And:
      return NotCompatible(code, "string");
    default:
      return CannotOperate(code, "string");
  }
}

TQREvValue ApplyBoolean(OperatorCode code, bool left, bool right) {
  switch (code) {
    case OperatorCode::Equal:
      return TQREvValue::Boolean(left == right);
    case OperatorCode::NotEqual:
      return TQREvValue::Boolean(left != right);
    case OperatorCode::Or:
      return TQREvValue::Boolean(left || right);
    case OperatorCode::And:
      return TQREvValue::Boolean(left && right);
    default:
      if (IsComparison(code)) return NotCompatible(code, "boolean");
      return CannotOperate(code, "boolean");
  }
}

}  // namespace

TQREvValue ApplyOperator(OperatorCode code, const TQREvValue& left, const TQREvValue& right) {
  // Errors travel unchanged (the left one first) and are never converted.
  if (left.ValueKind == EvKind::Error) return left;
  if (right.ValueKind == EvKind::Error) return right;
  if (left.ValueKind != right.ValueKind) {
    // An integer meets a float as a float; any other pair meets as texts.
    if (left.IsNumeric() && right.IsNumeric())
      return ApplyFloat(code, left.AsDouble(), right.AsDouble());
    return ApplyString(code, TQREvValue::String(ValueToText(left)),
                       TQREvValue::String(ValueToText(right)));
  }
  switch (left.ValueKind) {
    case EvKind::Integer:
      return ApplyInteger(code, left.IntegerValue, right.IntegerValue);
    case EvKind::Float:
      return ApplyFloat(code, left.FloatValue, right.FloatValue);
    case EvKind::String:
      return ApplyString(code, left, right);
    default:
      return ApplyBoolean(code, left.BooleanValue, right.BooleanValue);
  }
}

TQREvValue TQREvElementOperator::Compute(TQRFiFo& list) {
  const TQREvValue left = ComputeNext(list);
  const TQREvValue right = ComputeNext(list);
  return ApplyOperator(code_, left, right);
}

}  // namespace qr::expr
