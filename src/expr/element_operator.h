#pragma once

#include <cstdint>
#include <string_view>

#include "expr/element.h"

namespace qr::expr {

// Binary operators; the codes are stored in compiled lists.
enum class OperatorCode : std::uint8_t {
  Less = 0,
  LessOrEqual = 1,
  Greater = 2,
  GreaterOrEqual = 3,
  Equal = 4,
  NotEqual = 5,
  Plus = 6,
  Minus = 7,
  Or = 8,
  Multiply = 9,
  Divide = 10,
  And = 11,
};

// Computes its left operand, then its right one (both always, so aggregates in
// either side step), brings them to one kind and combines them. Errors travel
// through unchanged, the left one first.
class TQREvElementOperator : public TQREvElement {
 public:
  explicit TQREvElementOperator(OperatorCode code) : code_(code) {}
  TQREvValue Compute(TQRFiFo& list) override;
  OperatorCode Code() const { return code_; }

 private:
  OperatorCode code_;
};

// Combines two operands of any kinds as the operator does: an integer paired
// with a float becomes a float, any other mixed pair is compared or joined as text.
TQREvValue ApplyOperator(OperatorCode code, const TQREvValue& left, const TQREvValue& right);

}  // namespace qr::expr
