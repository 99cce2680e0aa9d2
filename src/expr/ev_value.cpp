#include "expr/ev_value.h"

#include <cstring>

#include "expr/messages.h"
#include "platform/float_text.h"

namespace qr::expr {

std::string_view KindName(EvKind kind) {
  switch (kind) {
    case EvKind::Integer:
      return "INTEGER";
    case EvKind::Float:
      return "FLOAT";
    case EvKind::String:
      return "STRING";
    case EvKind::Boolean:
      return "BOOLEAN";
    case EvKind::Error:
      return "ERROR";
  }
  return "ERROR";
}

TQREvValue TQREvValue::Integer(std::int32_t value) {
  TQREvValue result;
  result.IntegerValue = value;
  return result;
}

TQREvValue TQREvValue::Float(double value) {
  TQREvValue result;
  result.ValueKind = EvKind::Float;
  result.FloatValue = value;
  return result;
}

TQREvValue TQREvValue::String(std::string_view value) {
  TQREvValue result;
  result.ValueKind = EvKind::String;
  result.SetTextValue(value);
  return result;
}

TQREvValue TQREvValue::Boolean(bool value) {
  TQREvValue result;
  result.ValueKind = EvKind::Boolean;
  result.BooleanValue = value;
  return result;
}

TQREvValue TQREvValue::Error(std::string_view message) {
  TQREvValue result;
  result.ValueKind = EvKind::Error;
  result.SetTextValue(message);
  return result;
}

double TQREvValue::AsDouble() const {
  if (ValueKind == EvKind::Integer) return IntegerValue;
  if (ValueKind == EvKind::Float) return FloatValue;
  return 0;
}

void TQREvValue::CopyFrom(const TQREvValue& other) {
  ValueKind = other.ValueKind;
  if (other.ValueKind == EvKind::String || other.ValueKind == EvKind::Error) {
    std::memcpy(&text, &other.text, 1 + other.text.length);
  } else {
    std::memcpy(&FloatValue, &other.FloatValue, sizeof FloatValue);  // the widest payload
  }
}

void TQREvValue::SetTextValue(std::string_view value) {
  const std::string_view kept = CutToCharacterBoundary(value, kMaxTextBytes);
  if (!kept.empty()) std::memcpy(text.bytes, kept.data(), kept.size());
  text.length = static_cast<std::uint8_t>(kept.size());
}

std::string_view CutToCharacterBoundary(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  // A byte 10xxxxxx continues the character that started before it.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string ValueToText(const TQREvValue& value) {
  switch (value.ValueKind) {
    case EvKind::Integer:
      return std::to_string(value.IntegerValue);
    case EvKind::Float:
      return GeneralFloatText(value.FloatValue);
    case EvKind::String:
      return std::string(value.TextValue());
    case EvKind::Boolean:
      return value.BooleanValue ? "True" : "False";
    case EvKind::Error:
      throw ExpressionError(FormatMessage(kErrorInExpression, value.TextValue()));
  }
  return {};
}

}  // namespace qr::expr
