#pragma once

#include <memory>

#include "controls/text_controls.h"
#include "data/work_table.h"
#include "engine/report_lifecycle.h"
#include "model/group.h"
#include "model/report.h"

namespace rep {

// The report form of one run, loaded from the price list's stored
// definition: the report Reporte with its bands and labels, and the work
// table TempM_t the report reads.
class TFReporte {
 public:
  TFReporte();
  ~TFReporte();

  qr::TQRReport& Reporte() { return *report_; }
  qr::data::WorkTable& TempM_t();
  qr::TQRGroup& qrgGrupo();
  qr::TQRLabel& qrTotalHojas();
  qr::TQRLabel& qrlbNombre();
  // Prepares, previews and cancels the report's runs.
  qr::ReportLifecycle& Runs() { return *runs_; }

 private:
  template <typename T>
  T& Find(const char* name);

  std::unique_ptr<qr::Component> form_;
  qr::TQRReport* report_ = nullptr;
  std::unique_ptr<qr::ReportLifecycle> runs_;
};

}  // namespace rep
