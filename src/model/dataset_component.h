#pragma once

#include "data/dataset.h"
#include "model/component.h"

namespace qr {

// A component that stands for a dataset in a report definition (the report's
// and a sub-detail's DataSet, a field text's DataSet).
class TDataSetComponent : public Component {
 public:
  using Component::Component;
  virtual data::Dataset& GetDataset() = 0;
};

}  // namespace qr
