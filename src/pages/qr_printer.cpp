#include "pages/qr_printer.h"

#include "pages/print_output.h"
#include "pages/qr_error.h"
#include "platform/emf/emf_recorder.h"
#include "platform/rounding.h"
#include "platform/text_measurer.h"
#include "platform/window_message.h"

namespace qr {
namespace {

std::atomic<bool> reportFileLoaded{false};

constexpr long double kNativePerInch = 254;

}  // namespace

bool ReportFileLoaded() {
  return reportFileLoaded;
}
void SetReportFileLoaded(bool loaded) {
  reportFileLoaded = loaded;
}

TQRPrinter::TQRPrinter() {
  UseScreenResolution();
}

TQRPrinter::~TQRPrinter() {
  if (state_ != stIdle) Reset();
}

void TQRPrinter::UseScreenResolution() {
  DotsX = DotsY = ReferencePixelsPerInch() / kNativePerInch;
}

int TQRPrinter::ToDeviceX(long double x) const {
  return RoundHalfEven((x - LeftOffset) * DotsX);
}
int TQRPrinter::ToDeviceY(long double y) const {
  return RoundHalfEven((y - TopOffset) * DotsY);
}
int TQRPrinter::ToDeviceWidth(long double width) const {
  return RoundHalfEven(width * DotsX);
}
int TQRPrinter::ToDeviceHeight(long double height) const {
  return RoundHalfEven(height * DotsY);
}

bool TQRPrinter::PageInRange(std::int32_t page) const {
  return (FirstPage == 0 || page >= FirstPage) && (LastPage == 0 || page <= LastPage);
}

void TQRPrinter::StartJob() {
  currentPage_.reset();
  canvas_ = nullptr;
  pagesReady_ = 0;
  CancelRequested = false;
  if (OutputTarget == otPrinter) {
    if (!Output) throw EQRError("QRPrinter has no printer output");
    Output->ApplySettings(DeviceSettings);
  }
  TopOffset = OutputTarget == otPrinter ? DeviceSettings.TopOffset : 0;
  LeftOffset = OutputTarget == otPrinter ? DeviceSettings.LeftOffset : 0;
  if (state_ != stIdle) throw EQRError("QRPrinter not ready");
  currentPageNumber_ = 0;
  pageCount_ = 0;
  state_ = stProducing;
  if (OutputTarget == otPageStore) {
    Pages.AttachStream(TQRStream::CreateInMemory(DeviceSettings.MemoryLimit));
    UseScreenResolution();
  } else {
    DotsX = Output->DotsPerNativeX();
    DotsY = Output->DotsPerNativeY();
    Output->BeginDocument(Title);
  }
}

void TQRPrinter::NewPage() {
  if (state_ != stProducing) throw EQRError("Illegal call to NewPage");
  if (currentPageNumber_ > 0) {
    ClosePage();
    NotifyPageReady(pagesReady_ + 1);
  }
  ++pageCount_;
  ++currentPageNumber_;
  OpenPage();
}

// A page drawing is sized in screen dots from the paper with the factors in
// force, and the factors are the screen's from then on.
void TQRPrinter::OpenPage() {
  if (OutputTarget == otPrinter && PageInRange(currentPageNumber_)) {
    canvas_ = &Output->BeginPage();
    printerPageOpen_ = true;
    return;
  }
  currentPage_ =
      std::make_unique<EmfRecorder>(ToDeviceWidth(PaperWidth()), ToDeviceHeight(PaperLength()));
  canvas_ = currentPage_.get();
  // A page the printer skips is drawn and thrown away; it keeps the printer's
  // factors, so that the pages printed after it are placed right.
  if (OutputTarget == otPageStore) UseScreenResolution();
}

void TQRPrinter::ClosePage() {
  canvas_ = nullptr;
  if (printerPageOpen_) {
    printerPageOpen_ = false;
    Output->EndPage();
    return;
  }
  if (!currentPage_) return;
  const Metafile page = currentPage_->Finish();
  currentPage_.reset();
  if (OutputTarget == otPageStore) Pages.AddPage(page);
}

void TQRPrinter::EndJob() {
  if (state_ != stProducing) return;
  if (OutputTarget == otPrinter) {
    ClosePage();
    if (Output->DocumentOpen()) Output->EndDocument();
  } else if (pageCount_ > 0) {
    ClosePage();
  }
  state_ = stComplete;
  NotifyPageReady(pagesReady_ + 1);
  ProcessPendingMessages();
  if (OutputTarget == otPageStore)
    Pages.WriteHeader();
  else if (AfterPrintHook)
    AfterPrintHook(*this);
}

void TQRPrinter::AbortJob() {
  if (OutputTarget == otPrinter) {
    if (Output) Output->AbortDocument();
    printerPageOpen_ = false;
    currentPage_.reset();
    canvas_ = nullptr;
  } else if (currentPage_) {
    ClosePage();
  }
  state_ = stComplete;
}

void TQRPrinter::Reset() {
  if (state_ == stProducing) Cancel();
  currentPage_.reset();
  canvas_ = nullptr;
  printerPageOpen_ = false;
  Pages.FreeStream();
  Pages.Clear();
  state_ = stIdle;
}

std::optional<Metafile> TQRPrinter::GetPage(std::int32_t n) {
  if (state_ == stIdle || n < 1 || n > pageCount_) return std::nullopt;
  return Pages.GetPage(n);
}

void TQRPrinter::SaveToFile(const std::string& name) {
  if (state_ == stComplete) Pages.SaveToFile(name);
}

void TQRPrinter::LoadFromFile(const std::string& name) {
  if (state_ != stIdle) Reset();
  try {
    Pages.OpenFile(name);
    pageCount_ = Pages.PageCount();
    UseScreenResolution();
    if (pageCount_ > 0) {
      const std::optional<Metafile> first = Pages.GetPage(1);
      const auto paper = DetectPaper(first->Width() / DotsX, first->Height() / DotsX);
      if (paper) {
        DeviceSettings.PaperSize = paper->size;
        DeviceSettings.Orientation = paper->orientation;
      }
    }
  } catch (...) {
    Pages.FreeStream();
    Pages.Clear();
    pageCount_ = 0;
    throw;
  }
  state_ = stComplete;
  ReplayOnPrint = true;
  SetReportFileLoaded(true);
}

void TQRPrinter::NotifyPageReady(std::int32_t pagesReady) {
  pagesReady_ = pagesReady;
  if (NotifyWindow) PostWindowMessage(NotifyWindow, MsgPageReady, pagesReady, 0);
}

void TQRPrinter::NotifyProgress(std::int32_t percent) {
  progressPercent_ = percent;
  if (NotifyWindow) PostWindowMessage(NotifyWindow, MsgProgress, percent, 0);
}

void TQRPrinter::SetPreviewOpen(bool open) {
  const bool closing = previewOpen_ && !open;
  try {
    if (closing && state_ == stProducing) Cancel();
    if (closing && AfterPreviewHook) AfterPreviewHook(*this);
  } catch (...) {
    previewOpen_ = open;
    throw;
  }
  previewOpen_ = open;
}

}  // namespace qr
