#pragma once

#include <cstddef>
#include <vector>

#include "expr/element.h"

namespace qr::expr {

// A function call. Its arguments follow it in the list, closed by a
// TQREvElementArgumentEnd; every argument is computed before the function
// works. Aggregates take in the current record only in an aggregation pass.
class TQREvElementFunction : public TQREvElement {
 public:
  TQREvValue Compute(TQRFiFo& list) override;
  // Takes in the collected arguments during an aggregation pass.
  virtual void Accumulate() {}
  // The function's value from the collected arguments (or its aggregate state).
  virtual TQREvValue ComputeResult();

  const TQREvValue& Argument(std::size_t index) const { return arguments_[index]; }
  std::size_t ArgumentCount() const { return arguments_.size(); }

 protected:
  // Computes the arguments up to the end marker, which is consumed too.
  void CollectArguments(TQRFiFo& list);
  // Keeps the capacity, so calls after the first allocate nothing.
  void FreeArguments() { arguments_.clear(); }

 private:
  std::vector<TQREvValue> arguments_;
};

}  // namespace qr::expr
