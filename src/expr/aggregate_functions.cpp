#include "expr/aggregate_functions.h"

#include "expr/fifo.h"
#include "expr/messages.h"

namespace qr::expr {
namespace {

// Integers add with wrap-around; an integer meeting a float makes a float total.
TQREvValue Add(const TQREvValue& total, const TQREvValue& value) {
  if (total.ValueKind == EvKind::Integer && value.ValueKind == EvKind::Integer)
    return TQREvValue::Integer(
        static_cast<std::int32_t>(static_cast<std::uint32_t>(total.IntegerValue) +
                                  static_cast<std::uint32_t>(value.IntegerValue)));
  return TQREvValue::Float(total.AsDouble() + value.AsDouble());
}

template <typename T>
int Compare(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

void TQREvSumFunction::Accumulate() {
  if (ArgumentCount() != 1) {
    sum_ = TQREvValue::Error({});
    return;
  }
  const TQREvValue& value = Argument(0);
  if (!hasValue_) {
    sum_ = value.IsNumeric() ? value : TQREvValue::Error({});
    hasValue_ = true;
  } else if (sum_.ValueKind == EvKind::Error) {
    return;
  } else if (value.IsNumeric()) {
    sum_ = Add(sum_, value);
  } else if (value.ValueKind == EvKind::String) {
    sum_ = TQREvValue::Error({});
  }
}

TQREvValue TQREvSumFunction::ComputeResult() {
  return hasValue_ ? sum_ : TQREvValue::Integer(0);
}

void TQREvAverageFunction::ResetState() {
  TQREvSumFunction::ResetState();
  count_ = 0;
  average_ = TQREvValue::Float(0);
}

void TQREvAverageFunction::Accumulate() {
  TQREvSumFunction::Accumulate();
  ++count_;
  average_ = sum_.IsNumeric() ? TQREvValue::Float(sum_.AsDouble() / count_) : TQREvValue::Error({});
}

void ExtremeAggregate::Accumulate() {
  if (ArgumentCount() != 1) {
    current_ = TQREvValue::Error({});
    return;
  }
  const TQREvValue& value = Argument(0);
  if (!hasValue_) {
    current_ = value;
    hasValue_ = true;
    return;
  }
  if (current_.ValueKind == EvKind::Error) return;
  // Integers and floats meet as floats; other pairs of kinds do not compare.
  if (current_.IsNumeric() && value.IsNumeric() && current_.ValueKind != value.ValueKind) {
    current_ = TQREvValue::Float(current_.AsDouble());
    if (Replaces(TQREvValue::Float(value.AsDouble())))
      current_ = TQREvValue::Float(value.AsDouble());
    return;
  }
  if (value.ValueKind == current_.ValueKind && Replaces(value)) current_ = value;
}

bool ExtremeAggregate::Replaces(const TQREvValue& candidate) const {
  int order = 0;
  switch (current_.ValueKind) {
    case EvKind::Integer:
      order = Compare(candidate.IntegerValue, current_.IntegerValue);
      break;
    case EvKind::Float:
      order = Compare(candidate.FloatValue, current_.FloatValue);
      break;
    case EvKind::String:
      order = Compare(candidate.TextValue(), current_.TextValue());
      break;
    case EvKind::Boolean:
      order = Compare(candidate.BooleanValue, current_.BooleanValue);
      break;
    case EvKind::Error:
      return false;
  }
  return keep_ == Keep::Largest ? order > 0 : order < 0;
}

TQREvValue ExtremeAggregate::ComputeResult() {
  return hasValue_ ? current_ : TQREvValue::Integer(0);
}

TQREvValue TQREvCountFunction::Compute(TQRFiFo& list) {
  CollectArguments(list);
  TQREvValue result;
  if (ArgumentCount() != 0) {
    result = TQREvValue::Error(std::string(kCountPrefix) + std::string(kTooManyArguments));
  } else {
    if (list.AggregateMode) ++count_;
    result = TQREvValue::Integer(count_);
  }
  FreeArguments();
  return result;
}

}  // namespace qr::expr
