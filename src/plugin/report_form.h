#pragma once

#include <memory>

#include "data/work_table.h"

namespace rep {

// The report form of one run: it owns the work table TempM_t in the alias
// "Temp" that the price-list report reads.
class TFReporte {
 public:
  TFReporte();
  qr::data::WorkTable& TempM_t() { return *workTable_; }

 private:
  std::unique_ptr<qr::data::WorkTable> workTable_;
};

}  // namespace rep
