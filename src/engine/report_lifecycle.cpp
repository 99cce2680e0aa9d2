#include "engine/report_lifecycle.h"

#include "engine/band_engine.h"
#include "engine/controller_run.h"
#include "expr/environment.h"
#include "model/dataset_component.h"
#include "model/printable.h"
#include "pages/qr_printer.h"
#include "platform/text_measurer.h"
#include "platform/window_message.h"

namespace qr {
namespace {

// Runs `undo` when the scope ends, also by an exception.
class Finally {
 public:
  explicit Finally(std::function<void()> undo) : undo_(std::move(undo)) {}
  ~Finally() { undo_(); }
  Finally(const Finally&) = delete;
  Finally& operator=(const Finally&) = delete;

 private:
  std::function<void()> undo_;
};

void ForEachPrintable(TQRCustomReport& report, const std::function<void(TQRPrintable&)>& action) {
  for (Control* child : report.Controls())
    if (auto* control = dynamic_cast<TQRPrintable*>(child)) action(*control);
  for (TQRCustomBand* band : report.BandList)
    for (Control* child : band->Controls())
      if (auto* control = dynamic_cast<TQRPrintable*>(child)) action(*control);
}

Component* FormOf(TQRCustomReport& report) {
  Control* form = &report;
  while (form->Parent()) form = form->Parent();
  return form->Owner() ? form->Owner() : form;
}

void AddOwnedDataSets(const Component& owner, std::vector<data::Dataset*>& dataSets) {
  for (Component* component : owner.Components()) {
    if (auto* dataSet = dynamic_cast<TDataSetComponent*>(component))
      dataSets.push_back(&dataSet->GetDataset());
    else if (dynamic_cast<Control*>(component))
      AddOwnedDataSets(*component, dataSets);
  }
}

}  // namespace

ReportLifecycle::ReportLifecycle(TQRCustomReport& report)
    : report_(report), commands_([this](int message, std::uintptr_t, std::intptr_t) {
        if (message == MsgPrintRequest) PrintReport();
      }) {}

ReportLifecycle::~ReportLifecycle() {
  if (worker_.joinable()) {
    CancelRun();
    worker_.join();
  }
}

bool ReportLifecycle::ReplaceQRPrinter() {
  if (!report_.Idle) return false;
  auto printer = std::make_shared<TQRPrinter>();
  printer->NotifyWindow = report_.QRPrinter ? report_.QRPrinter->NotifyWindow : nullptr;
  printer->AfterPrintHook = [this](TQRPrinter&) {
    if (report_.AfterPrint) report_.AfterPrint(report_);
  };
  printer->AfterPreviewHook = [this](TQRPrinter&) {
    if (report_.AfterPreview) report_.AfterPreview(report_);
  };
  // The previous producer is freed here unless a preview still shows it.
  report_.SetQRPrinter(std::move(printer));
  return true;
}

void ReportLifecycle::PreparePages() {
  if (!ReplaceQRPrinter()) return;
  TQRPrinter& printer = *report_.QRPrinter;
  printer.OutputTarget = otPageStore;
  printer.CommandTarget = &commands_;
  printer.Title = report_.ReportTitle;
  GenerateReportOnThisThread(true, false);
  printer.ReplayOnPrint = true;
}

void ReportLifecycle::PreviewReportModal(PreviewHost& preview) {
  if (!ReplaceQRPrinter()) return;
  const std::shared_ptr<TQRPrinter> printer = report_.QRPrinterHandle;
  printer->OutputTarget = otPageStore;
  printer->CommandTarget = &commands_;
  printer->Title = report_.ReportTitle;
  printer->SetPreviewOpen(true);
  report_.Idle = false;  // claimed for the worker's run before it starts
  std::exception_ptr failure;
  generating_ = true;
  worker_ = std::thread([this, printer, &failure] {
    try {
      GenerateReportOnThisThread(false, true);
    } catch (...) {
      // The run has closed its job; the error reaches the caller after the preview.
      failure = std::current_exception();
    }
    if (report_.Cancelled && report_.QRPrinter == printer.get()) report_.SetQRPrinter(nullptr);
    generating_ = false;
  });
  preview.ShowModal(printer, *this);
  // A worker whose pages are all produced is only finishing; let it end, so
  // that the closing releases the pages instead of cancelling a finished run.
  if (printer->State() == stComplete) worker_.join();
  PreviewClosed(printer.get());
  if (worker_.joinable()) worker_.join();
  if (failure) std::rethrow_exception(failure);
}

void ReportLifecycle::PrintReport() {
  if (!report_.Idle) return;
  // Direct printing is not available without a printer side; the report's
  // current pages stay as they are.
}

void ReportLifecycle::CancelRun() {
  if (report_.Idle) return;
  report_.Cancelled = true;
  if (report_.QRPrinter) report_.QRPrinter->Cancel();
}

void ReportLifecycle::PreviewClosed(TQRPrinter* printer) {
  if (!report_.Idle) {
    CancelRun();
    return;
  }
  if (report_.QRPrinter == nullptr || report_.QRPrinter != printer) return;
  if (report_.QRPrinter->PreviewOpen()) report_.QRPrinter->SetPreviewOpen(false);
  report_.SetQRPrinter(nullptr);
}

void ReportLifecycle::GenerateReport() {
  GenerateReportOnThisThread(true, false);
}

void ReportLifecycle::CollectDataSets() {
  report_.AllDataSets.clear();
  AddOwnedDataSets(*FormOf(report_), report_.AllDataSets);
}

void ReportLifecycle::ApplyPrinterSettings() {
  TQRPrinter& printer = *report_.QRPrinter;
  TQRPage& page = report_.Page();
  printer.DeviceSettings.PaperSize = page.PaperSize();
  printer.DeviceSettings.CustomPaperWidth = RoundHalfEven(page.Native(TQRPage::kWidth));
  printer.DeviceSettings.CustomPaperLength = RoundHalfEven(page.Native(TQRPage::kLength));
  printer.DeviceSettings.Orientation = page.Orientation();
  printer.DeviceSettings.UseStandardprinter = report_.PrinterSettings.UseStandardprinter;
  printer.DeviceSettings.MemoryLimit = report_.PrinterSettings.MemoryLimit;
  printer.FirstPage = report_.PrinterSettings.FirstPage;
  printer.LastPage = report_.PrinterSettings.LastPage;
}

void ReportLifecycle::RunControllers(ControllerRun& run) {
  report_.AssignControllerBands();
  report_.Controller().OnNeedData = report_.OnNeedData;
  run.Run(report_.Controller());
}

void ReportLifecycle::GenerateReportOnThisThread(bool yieldToEvents, bool claimed) {
  if (!claimed && !report_.Idle) return;
  const bool visible = report_.Visible();
  TQRPage& page = report_.Page();
  if (page.Native(TQRPage::kWidth) - page.Native(TQRPage::kLeftMargin) -
          page.Native(TQRPage::kRightMargin) <
      0) {
    page.SetNativeMargin(TQRPage::kLeftMargin, 0);
    page.SetNativeMargin(TQRPage::kRightMargin, 0);
  }
  if (page.Native(TQRPage::kLength) - page.Native(TQRPage::kTopMargin) -
          page.Native(TQRPage::kBottomMargin) <
      0) {
    page.SetNativeMargin(TQRPage::kTopMargin, 0);
    page.SetNativeMargin(TQRPage::kBottomMargin, 0);
  }
  report_.Idle = false;
  report_.Cancelled = report_.LastPageReached = false;
  report_.SkipNextForcedPage = report_.ColumnBreakArmed = false;
  Finally idleAgain([&] {
    report_.AllDataSets.clear();
    report_.SetVisible(visible);
    report_.Idle = true;
  });
  CollectDataSets();
  bool printReport = true;
  if (report_.BeforePrint) report_.BeforePrint(report_, printReport);
  if (!printReport) return;

  TQRPrinter& printer = *report_.QRPrinter;
  BandEngine engine(report_);
  ControllerRun run(report_, engine,
                    yieldToEvents ? ProcessPendingMessages : std::function<void()>());
  const TQRUnit units = report_.Units();
  report_.SetUnits(TQRUnit::Native);
  Finally closeJob([&] {
    report_.SetUnits(units);
    if (printer.State() == stProducing) {
      if (report_.Cancelled)
        printer.AbortJob();
      else
        printer.EndJob();
    }
  });
  ApplyPrinterSettings();
  printer.Title = report_.ReportTitle;
  printer.SetCompression(report_.Options & Compression);
  printer.StartJob();
  engine.StartRun();
  report_.Stretcher = &engine;
  Finally noStretcher([&] { report_.Stretcher = nullptr; });
  for (TQRCustomBand* band : report_.BandList) band->SetOwnerReport(&report_);
  report_.Controller().CollectMembers();

  expr::TQREvEnvironment& shared = expr::SharedEnvironment();
  expr::TQREvEnvironment& functions = report_.Functions();
  shared.Activate();
  functions.SetDataSets(&report_.AllDataSets);
  functions.Activate();
  Finally deactivate([&] {
    report_.PageNumberElement = report_.ColumnNumberElement = report_.ReportTitleElement = nullptr;
    functions.Deactivate();
    shared.Deactivate();
  });
  report_.PageNumberElement = functions.ConstantElement("PAGENUMBER");
  report_.ColumnNumberElement = functions.ConstantElement("COLUMNNUMBER");
  report_.ReportTitleElement = functions.ConstantElement("REPORTTITLE");
  expr::TQREvEnvironment::AssignText(report_.ReportTitleElement, report_.ReportTitle);

  run.PrepareRun(report_.Controller());
  ForEachPrintable(report_, [](TQRPrintable& control) { control.BeginPrinting(); });
  Finally endPrinting([&] {
    ForEachPrintable(report_, [](TQRPrintable& control) { control.EndPrinting(); });
    run.FinishRun(report_.Controller());
  });
  RunControllers(run);
  report_.CursorX = RoundHalfEven(page.Native(TQRPage::kLeftMargin));
  report_.LastPageReached = true;
  if (!report_.Cancelled && !printer.CancelRequested) engine.FinishPage();
  if (printer.CancelRequested) report_.Cancelled = true;
}

}  // namespace qr
