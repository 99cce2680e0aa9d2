#include "plugin/report_form.h"

#include <stdexcept>

#include "model/table_component.h"
#include "plugin/report/price_list_definition.h"

namespace rep {

template <typename T>
T& TFReporte::Find(const char* name) {
  auto* found = dynamic_cast<T*>(form_->FindComponent(name));
  if (found == nullptr)
    throw std::logic_error(std::string("the price-list definition has no ") + name);
  return *found;
}

TFReporte::TFReporte() : form_(LoadPriceListDefinition()) {
  report_ = &Find<qr::TQRReport>("Reporte");
  runs_ = std::make_unique<qr::ReportLifecycle>(*report_);
}

// The runs end before the report they run goes.
TFReporte::~TFReporte() {
  runs_.reset();
  form_.reset();
}

qr::data::WorkTable& TFReporte::TempM_t() {
  return Find<qr::TTable>("TempM_t").Table();
}
qr::TQRGroup& TFReporte::qrgGrupo() {
  return Find<qr::TQRGroup>("qrgGrupo");
}
qr::TQRLabel& TFReporte::qrTotalHojas() {
  return Find<qr::TQRLabel>("qrTotalHojas");
}
qr::TQRLabel& TFReporte::qrlbNombre() {
  return Find<qr::TQRLabel>("qrlbNombre");
}

}  // namespace rep
