#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "expr/element.h"

namespace qr::expr {

// The elements of one compiled expression in prefix order: an operator before
// its left and right operands, a function before its arguments and their end
// marker. Owns its elements; evaluation reads them from the front.
class TQRFiFo {
 public:
  void Append(std::unique_ptr<TQREvElement> element) { elements_.push_back(std::move(element)); }
  void Rewind() { position_ = 0; }
  // The element at the read position, advancing past it; nullptr at the end.
  TQREvElement* NextElement() {
    return position_ < elements_.size() ? elements_[position_++].get() : nullptr;
  }

  std::size_t Count() const { return elements_.size(); }
  TQREvElement& At(std::size_t index) const { return *elements_[index]; }

  // Set while an aggregation pass evaluates the expression.
  bool AggregateMode = false;

 private:
  std::vector<std::unique_ptr<TQREvElement>> elements_;
  std::size_t position_ = 0;
};

}  // namespace qr::expr
