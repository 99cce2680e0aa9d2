#pragma once

#include <string>

#include "engine/report_lifecycle.h"

namespace qr {

// A preview without a window, for runs from the command line: it waits for
// the worker to finish and then writes the pages out (a report file, a PDF,
// PNG images), as a user would save them from the preview window.
class SavingPreview : public PreviewHost {
 public:
  std::string reportFile;
  std::string pdfFile;
  std::string pngDirectory;
  int pagesSaved = 0;

  void ShowModal(const std::shared_ptr<TQRPrinter>& printer, const ReportLifecycle& runs) override;
};

}  // namespace qr
