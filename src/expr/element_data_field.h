#pragma once

#include <string>

#include "data/dataset.h"
#include "expr/element.h"

namespace qr::expr {

// A field of a dataset. The field object is fetched again by its position on
// every computation, because a dataset replaces its field objects when it
// reopens; the dataset itself must outlive the compiled expression.
class TQREvElementDataField : public TQREvElement {
 public:
  TQREvElementDataField(data::Dataset& dataset, const data::Field& field)
      : dataset_(dataset), position_(field.Index()), fieldName_(field.Name()) {}
  TQREvValue Compute(TQRFiFo& list) override;

  data::Dataset& Dataset() const { return dataset_; }
  int Position() const { return position_; }

 private:
  data::Dataset& dataset_;
  int position_;
  std::string fieldName_;
};

}  // namespace qr::expr
