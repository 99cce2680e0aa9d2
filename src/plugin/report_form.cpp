#include "plugin/report_form.h"

namespace rep {

TFReporte::TFReporte()
    : workTable_(std::make_unique<qr::data::WorkTable>(qr::data::AliasTempDirectory(),
                                                       qr::data::kWorkTableName)) {
  workTable_->SetName(qr::data::kWorkTableName);
}

}  // namespace rep
