#include "engine/band_engine.h"

#include <cmath>

#include "controls/text_controls.h"
#include "expr/environment.h"
#include "model/controller.h"
#include "model/printable.h"
#include "pages/qr_printer.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

// Screen pixels per native unit that content heights are converted with,
// whatever the screen's resolution.
constexpr double kContentPixelsPerNative = 0.37795;

constexpr int kTitleIndex = 1;
constexpr int kPageHeaderIndex = 2;
constexpr int kColumnHeaderIndex = 3;
constexpr int kDetailIndex = 4;
constexpr int kPageFooterIndex = 6;

int Round(double value) {
  return RoundHalfEven(value);
}

bool IsPageFrameType(TQRBandType type) {
  return type == TQRBandType::rbTitle || type == TQRBandType::rbPageHeader ||
         type == TQRBandType::rbPageFooter || type == TQRBandType::rbOverlay;
}

}  // namespace

TQRPrinter& BandEngine::Printer() const {
  return *report_.QRPrinter;
}

double BandEngine::PaperLength() const {
  TPrinterSettings portrait = Printer().DeviceSettings;
  portrait.Orientation = poPortrait;
  return portrait.PaperLength();
}

double BandEngine::PaperWidth() const {
  TPrinterSettings portrait = Printer().DeviceSettings;
  portrait.Orientation = poPortrait;
  return portrait.PaperWidth();
}

bool BandEngine::Landscape() const {
  return report_.Page().Orientation() == poLandscape;
}

void BandEngine::StartRun() {
  report_.CursorY = -1;
  report_.PageNumber = 0;
  report_.ColumnNumber = report_.Page().Columns();
  report_.CursorX = Round(PageNative(TQRPage::kLeftMargin));
  report_.FooterReserve = MeasureFooterReserve();
  report_.SkipNextForcedPage = false;
  report_.ColumnBreakArmed = false;
  report_.LastPageReached = false;
  report_.Cancelled = false;
  PageBreakByDetail = false;
}

void BandEngine::OutputBand(TQRCustomBand* band) {
  if (band == nullptr) return;
  if (band->AlignToBottom) {
    if (band->BandType() == TQRBandType::rbSummary && !(report_.Options & LastPageFooter))
      report_.FooterReserve = 0;
    const double length = Landscape() ? PaperWidth() : PaperLength();
    const double height = band->Size().NativeHeight();
    const double bottom = PageNative(TQRPage::kBottomMargin) + report_.FooterReserve;
    if (Round(height + bottom) <= Round(length) - report_.CursorY)
      report_.CursorY = Round(length) - Round(height) - Round(bottom);
  }
  Output(*band);
}

void BandEngine::Output(TQRCustomBand& band) {
  bool printBand = band.Enabled;
  if (band.Enabled && band.BeforePrint) band.BeforePrint(band, printBand);
  if (printBand) {
    PlaceBand(band);
    if (band.DetailController && StepAggregates) StepAggregates(*band.DetailController);
    if (band.KeepOnOnePage && MeasureContentHeight(band) > SpaceLeft()) StartNextColumn();
    if (!band.TransparentBand && band.Enabled) {
      const double height =
          band.PreCaluculateBandHeight ? MeasureContentHeight(band) : band.Size().NativeHeight();
      band.PrintedRect = BandRect(band, height);
    }
    if (band.Height() != 0 && band.Enabled) {
      if (!band.TransparentBand) {
        Canvas& canvas = *Printer().GetCanvas();
        canvas.SetBrush({BrushStyle::Solid, band.GetColor()});
        canvas.FillRect(band.PrintedRect);
      }
      PrintControls(band);
      AdvanceCursor(band);
    }
  } else if (band.DetailController && !band.Enabled && StepAggregates) {
    StepAggregates(*band.DetailController);
  }
  if (band.AfterPrint) band.AfterPrint(band, printBand);
  if (TQRChildBand* child = band.ChildBand()) {
    const bool underFooter = band.BandType() == TQRBandType::rbPageFooter;
    if (underFooter) child->SetBandTypeForRun(TQRBandType::rbPageFooter);
    OutputBand(child);
    if (underFooter) child->SetBandTypeForRun(TQRBandType::rbChild);
  }
  PageBreakByDetail = false;
}

void BandEngine::PlaceBand(TQRCustomBand& band) {
  const bool pageFrame = IsPageFrameType(band.BandType());
  if (band.ForceNewPage && !PageBreakByDetail && !pageFrame && report_.PageNumber > 0) {
    BreakToNewPage();
    PageBreakByDetail = false;
  } else if (band.ForceNewColumn && !pageFrame && report_.PageNumber > 0) {
    BreakToNewColumn();
  } else {
    EnsureRoom(band);
  }
}

Rect BandEngine::BandRect(const TQRCustomBand& band, double height) const {
  const TQRPrinter& printer = Printer();
  const double x = report_.CursorX;
  const double y = report_.CursorY;
  return {printer.ToDeviceX(x), printer.ToDeviceY(y),
          printer.ToDeviceX(x + band.Size().NativeWidth()), printer.ToDeviceY(y + height)};
}

// Prints the band's controls, continuing on the next column or page while a
// control has lines left; controls that finished are not printed again.
void BandEngine::PrintControls(TQRCustomBand& band) {
  band.StretchHeight = 0;
  bool firstPass = true;
  for (;;) {
    bool allFinished = true;
    for (Control* child : band.Controls()) {
      auto* control = dynamic_cast<TQRPrintable*>(child);
      if (control == nullptr || !control->Enabled) continue;
      if (firstPass || !control->PrintFinished) control->PrintAt(report_.CursorX, report_.CursorY);
      allFinished = allFinished && control->PrintFinished;
    }
    band.PrintedRect = BandRect(band, band.Size().NativeHeight() + band.StretchHeight + 1);
    band.Frame.PaintFrame(*Printer().GetCanvas(), band.PrintedRect, Printer().DotsX,
                          Printer().DotsY);
    if (allFinished) return;
    PageBreakByDetail = true;
    StartNextColumn();
    PageBreakByDetail = false;
    band.StretchHeight = 0;
    firstPass = false;
  }
}

void BandEngine::AdvanceCursor(TQRCustomBand& band) {
  report_.CursorY += Round(band.Size().NativeHeight() + band.StretchHeight);
}

void BandEngine::EnsureRoom(TQRCustomBand& band) {
  const int height = Round(HeightWithLinks(band, true));
  const double printable = PageNative(TQRPage::kLength) -
                           (PageNative(TQRPage::kTopMargin) + PageNative(TQRPage::kBottomMargin));
  const bool fits =
      band.BandType() == TQRBandType::rbPageFooter || height <= SpaceLeft() || height > printable;
  const bool isDetail = band.BandType() == TQRBandType::rbDetail;
  if (fits && report_.PageNumber != 0) {
    if (isDetail) PageBreakByDetail = false;
    return;
  }
  PageBreakByDetail = isDetail;
  StartNextColumn();
}

// A linked band asks for its own room and that of its whole chain of links,
// all in native units.
double BandEngine::HeightWithLinks(const TQRCustomBand& band, bool includeLinks) const {
  double height = band.Size().NativeHeight();
  if (includeLinks && band.LinkBand()) height += HeightWithLinks(*band.LinkBand(), true);
  return height;
}

double BandEngine::MeasureContentHeight(TQRCustomBand& band) const {
  double measured = band.Size().NativeHeight();
  double gap = 0;
  for (Control* child : band.Controls()) {
    auto* field = dynamic_cast<TQRDBText*>(child);
    if (field == nullptr || !field->Enabled) continue;
    double contentPixels = 0;
    field->GetContentHeight(contentPixels);
    const double bottom = (field->Top() + contentPixels) / kContentPixelsPerNative;
    if (bottom > measured) {
      measured = bottom;
      gap = (band.Height() + 1 - field->Top() - field->Height()) / kContentPixelsPerNative;
    }
  }
  return measured + std::max(gap, 0.0);
}

bool BandEngine::CanStretch(TQRCustomBand& band, double amount) {
  return Round(band.Size().NativeHeight() + band.StretchHeight + amount) <= SpaceLeft();
}

bool BandEngine::StretchBy(TQRCustomBand& band, double amount, double& newHeight, bool& done) {
  if (!CanStretch(band, amount)) return false;
  if (!done && amount < band.StretchHeight) {
    newHeight = band.StretchHeight;
    done = true;
    return true;
  }
  band.StretchHeight += amount;
  newHeight = band.StretchHeight;
  done = true;
  return false;
}

int BandEngine::SpaceLeft() const {
  if (report_.Idle || report_.CursorY == -1) return 0;
  const bool useWidth = Landscape() && report_.Page().PaperSize() != Custom;
  const double length = useWidth ? PaperWidth() : PaperLength();
  return Round(length - PageNative(TQRPage::kBottomMargin) - report_.FooterReserve -
               report_.CursorY);
}

void BandEngine::StartNextColumn() {
  const TQRPage& page = report_.Page();
  if (report_.ColumnNumber == page.Columns()) {
    report_.ColumnNumber = 1;
    report_.CursorX = Round(PageNative(TQRPage::kLeftMargin));
    StartNewPage();
  } else {
    int width;
    if (TQRCustomBand* detail = BandOfIndex(kDetailIndex)) {
      width = Round(detail->Size().NativeWidth());
    } else {
      width = (Round(PageNative(TQRPage::kWidth) -
                     (PageNative(TQRPage::kLeftMargin) + PageNative(TQRPage::kRightMargin))) -
               Round(PageNative(TQRPage::kColumnSpace)) * (page.Columns() - 1)) /
              page.Columns();
    }
    report_.CursorX += width + Round(PageNative(TQRPage::kColumnSpace));
    report_.CursorY = report_.ColumnTop;
    ++report_.ColumnNumber;
  }
  AssignColumnNumber();
  if (report_.ColumnNumber == 1 && report_.PageNumber == 1) return;
  OutputBand(BandOfIndex(kColumnHeaderIndex));
  if (ReprintGroupHeaders) ReprintGroupHeaders();
}

void BandEngine::StartNewPage() {
  FinishPage();
  ++report_.PageNumber;
  AssignPageNumber();
  Printer().NewPage();
  report_.CursorY = Round(PageNative(TQRPage::kTopMargin));
  if (report_.OnStartPage) report_.OnStartPage(report_);
  if (report_.PageNumber > 1 || (report_.Options & FirstPageHeader))
    OutputBand(BandOfIndex(kPageHeaderIndex));
  report_.ColumnTop = report_.CursorY;
  if (report_.PageNumber == 1)
    if (TQRCustomBand* title = BandOfIndex(kTitleIndex))
      report_.ColumnTop += Round(title->Size().NativeHeight());
}

void BandEngine::FinishPage() {
  if (report_.PageNumber <= 0) return;
  report_.CursorY = Round(PageNative(TQRPage::kLength) - PageNative(TQRPage::kBottomMargin) -
                          report_.FooterReserve);
  report_.CursorX = Round(PageNative(TQRPage::kLeftMargin));
  if (!(report_.LastPageReached && !(report_.Options & LastPageFooter)))
    OutputBand(BandOfIndex(kPageFooterIndex));
  PrintPageDecorations();
  if (report_.OnEndPage) report_.OnEndPage(report_);
}

void BandEngine::PrintPageDecorations() {
  for (Control* child : report_.Controls())
    if (auto* control = dynamic_cast<TQRPrintable*>(child)) control->PrintAt(0, 0);
  const TQRPrinter& printer = Printer();
  const Rect frame{
      printer.ToDeviceX(PageNative(TQRPage::kLeftMargin)),
      printer.ToDeviceY(PageNative(TQRPage::kTopMargin)),
      printer.ToDeviceX(PageNative(TQRPage::kWidth) - PageNative(TQRPage::kRightMargin)),
      printer.ToDeviceY(PageNative(TQRPage::kLength) - PageNative(TQRPage::kBottomMargin))};
  report_.Frame.PaintFrame(*printer.GetCanvas(), frame, printer.DotsX, printer.DotsY);
}

double BandEngine::MeasureFooterReserve() const {
  double reserve = 0;
  for (TQRCustomBand* band : report_.BandList) {
    if (band->BandType() != TQRBandType::rbPageFooter || !band->Enabled) continue;
    for (TQRCustomBand* next = band; next; next = next->ChildBand())
      reserve += next->Size().NativeHeight();
  }
  return reserve;
}

void BandEngine::BreakToNewPage() {
  if (report_.Idle) return;
  if (report_.SkipNextForcedPage) {
    report_.SkipNextForcedPage = false;
    return;
  }
  do StartNextColumn();
  while (report_.ColumnNumber != 1);
}

void BandEngine::BreakToNewColumn() {
  if (report_.Idle) return;
  if (report_.ColumnBreakArmed || report_.ColumnNumber > 1)
    StartNextColumn();
  else
    report_.ColumnBreakArmed = true;
}

void BandEngine::AssignPageNumber() {
  expr::TQREvEnvironment::AssignInteger(report_.PageNumberElement, report_.PageNumber);
}

void BandEngine::AssignColumnNumber() {
  expr::TQREvEnvironment::AssignInteger(report_.ColumnNumberElement, report_.ColumnNumber);
}

}  // namespace qr
