#include "engine/saving_preview.h"

#include <chrono>
#include <thread>

#include "pages/qr_printer.h"
#include "print/page_export.h"

namespace qr {

void SavingPreview::ShowModal(const std::shared_ptr<TQRPrinter>& printer,
                              const ReportLifecycle& runs) {
  while (runs.Generating()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (printer->State() != stComplete) return;
  pagesSaved = printer->PageCount();
  if (!reportFile.empty()) printer->SaveToFile(reportFile);
  if (!pdfFile.empty()) ExportPdf(*printer, pdfFile);
  if (!pngDirectory.empty()) ExportPng(*printer, pngDirectory);
}

}  // namespace qr
