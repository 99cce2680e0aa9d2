#include "expr/element_function.h"

#include "expr/fifo.h"

namespace qr::expr {

TQREvValue TQREvElementFunction::Compute(TQRFiFo& list) {
  CollectArguments(list);
  if (list.AggregateMode) Accumulate();
  const TQREvValue result = ComputeResult();
  FreeArguments();
  return result;
}

TQREvValue TQREvElementFunction::ComputeResult() {
  return TQREvValue::Error({});
}

void TQREvElementFunction::CollectArguments(TQRFiFo& list) {
  for (TQREvElement* element = list.NextElement(); element && !element->IsArgumentEnd();
       element = list.NextElement())
    arguments_.push_back(element->Compute(list));
}

}  // namespace qr::expr
