#include "expr/element.h"

#include "expr/fifo.h"
#include "expr/messages.h"

namespace qr::expr {

TQREvValue TQREvElement::Compute(TQRFiFo&) {
  return TQREvValue{};
}

TQREvValue TQREvElementConstant::Compute(TQRFiFo&) {
  return value_;
}

TQREvValue TQREvElementString::Compute(TQRFiFo&) {
  return TQREvValue::String(text_);
}

TQREvValue TQREvElementError::Compute(TQRFiFo&) {
  return TQREvValue::Error(message_);
}

TQREvValue TQREvElementNot::Compute(TQRFiFo& list) {
  const TQREvValue operand = ComputeNext(list);
  if (operand.ValueKind != EvKind::Boolean) return TQREvValue::Error(kInvalidUseOfNot);
  return TQREvValue::Boolean(!operand.BooleanValue);
}

TQREvValue ComputeNext(TQRFiFo& list) {
  TQREvElement* element = list.NextElement();
  return element ? element->Compute(list) : TQREvValue::Error({});
}

}  // namespace qr::expr
