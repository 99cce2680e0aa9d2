#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "model/report.h"
#include "platform/window_message.h"

namespace qr {

class TQRPrinter;
class ReportLifecycle;

// What shows a run's pages while a worker generates them: the preview window,
// or a stand-in. ShowModal returns when the user closes it; `runs` tells
// whether the worker is still generating.
class PreviewHost {
 public:
  virtual ~PreviewHost() = default;
  virtual void ShowModal(const std::shared_ptr<TQRPrinter>& printer,
                         const ReportLifecycle& runs) = 0;
};

// Runs a report: prepares its pages on the calling thread, or generates them
// on a worker thread for a preview; cancels a run; handles the messages its
// page producer sends. One per report, living as long as the report.
class ReportLifecycle {
 public:
  explicit ReportLifecycle(TQRCustomReport& report);
  ~ReportLifecycle();

  // A new page producer for the next run, unless a run is active.
  bool ReplaceQRPrinter();
  // Generates every page into a new page store on this thread; afterwards
  // the report's PageNumber is the page total.
  void PreparePages();
  // Generates on a worker while `preview` shows the pages; returns once the
  // preview is closed and the worker has ended.
  void PreviewReportModal(PreviewHost& preview);
  // Direct printing needs a printer side; without printers nothing happens.
  void PrintReport();
  void CancelRun();
  // The run all of them share; returns at once while another run is active.
  void GenerateReport();
  // The preview window showing `printer` closes.
  void PreviewClosed(TQRPrinter* printer);
  // True while a worker generates pages for a preview.
  bool Generating() const { return generating_; }

 private:
  void RunControllers(class ControllerRun& run);
  void ApplyPrinterSettings();
  void CollectDataSets();
  // `claimed`: the caller has already marked the report busy for this run.
  void GenerateReportOnThisThread(bool yieldToEvents, bool claimed);

  TQRCustomReport& report_;
  std::thread worker_;
  std::atomic<bool> generating_{false};
  // Receives the page producer's print requests on the window thread.
  WindowMessageTarget commands_;
};

}  // namespace qr
