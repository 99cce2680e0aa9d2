#include "model/printable.h"

#include "model/band.h"
#include "model/report.h"
#include "pages/qr_printer.h"

namespace qr {

TQRPrintable::TQRPrintable(Component* owner)
    : Control(owner), size_(std::make_unique<TQRPrintableSize>(this)) {
  SetColor(kWhite);
  StoreBounds(0, 0, kNewPrintablePixels, kNewPrintablePixels);
}

TQRPrintable::~TQRPrintable() = default;

void TQRPrintable::SetAlignToBand(bool alignToBand) {
  alignToBand_ = alignToBand;
  if (alignToBand_) ApplyBandAlignment();
}

bool TQRPrintable::ShouldPrint() const {
  return Enabled || !Visible();
}

void TQRPrintable::ApplyBandAlignment() {
  auto* band = dynamic_cast<TQRCustomBand*>(Parent());
  if (!alignToBand_ || !band || aligning_) return;
  aligning_ = true;
  switch (alignment_) {
    case TAlignment::taLeftJustify:
      SetLeft(0);
      break;
    case TAlignment::taRightJustify:
      SetLeft(band->Width() - Width());
      break;
    case TAlignment::taCenter:
      SetLeft((band->Width() - Width()) / 2);
      break;
  }
  aligning_ = false;
}

void TQRPrintable::BeginPrinting() {
  IsPrinting = true;
  QRPrinter = OwnerReport ? OwnerReport->QRPrinter : nullptr;
}

void TQRPrintable::PrintAt(int offsetX, int offsetY) {
  if (!Frame.AnyFrame() || !QRPrinter || !QRPrinter->GetCanvas()) return;
  const TQRPrinter& printer = *QRPrinter;
  const double left = offsetX + size_->NativeLeft();
  const double top = offsetY + size_->NativeTop();
  const Rect box{printer.ToDeviceX(left), printer.ToDeviceY(top),
                 printer.ToDeviceX(left + size_->NativeWidth()),
                 printer.ToDeviceY(top + size_->NativeHeight())};
  Frame.PaintFrame(*printer.GetCanvas(), box, printer.DotsX, printer.DotsY);
}

void TQRPrintable::Notify(Component*, int kind) {
  constexpr int kParentResized = 2;
  if (kind == kParentResized) ApplyBandAlignment();
}

void TQRPrintable::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  if (alignToBand_) ApplyBandAlignment();
}

void TQRPrintable::EndPrinting() {
  IsPrinting = false;
}

void TQRPrintable::GetContentHeight(double&) {}

void TQRPrintable::GetPrintText(std::string&) {}

void TQRPrintable::SetParent(Control* parent) {
  Control::SetParent(parent);
  if (auto* report = dynamic_cast<TQRCustomReport*>(parent)) {
    size_->SetUnits(report->Units());
    size_->MeasurementReport = report;
    OwnerReport = report;
    size_->Zoom = report->Zoom();
    FreeNotification(report);
    if (!IsLoading()) SetBounds(Left(), Top(), Width(), Height());
  } else if (auto* band = dynamic_cast<TQRCustomBand*>(parent)) {
    size_->SetUnits(band->Size().Units());
    OwnerReport = band->OwnerReport;
    size_->MeasurementReport = band->OwnerReport;
    if (OwnerReport) FreeNotification(OwnerReport);
  }
}

void TQRPrintable::SetBounds(int left, int top, int width, int height) {
  if (IsLoading()) {
    if (left) Deferred.left = left;
    if (top) Deferred.top = top;
    if (width) Deferred.width = width;
    if (height) Deferred.height = height;
    StoreBounds(left, top, width, height);
  } else if (size_->Updating) {
    StoreBounds(left, top, width, height);
  } else {
    StoreBounds(left, top, width, height);
    // Each write pushes the bounds back; converting pixels to native and back is exact.
    size_->StashUnits(TQRUnit::Pixels);
    size_->SetLeft(left);
    size_->SetTop(top);
    size_->SetWidth(width);
    size_->SetHeight(height);
    size_->RestoreUnits();
  }
  if (alignToBand_ && !aligning_) ApplyBandAlignment();
}

void TQRPrintable::Loaded() {
  Control::Loaded();
  size_->AfterLoad();
  const int left = Left() ? Left() : Deferred.left;
  const int top = Top() ? Top() : Deferred.top;
  const int width = Width() ? Width() : Deferred.width;
  const int height = Height() ? Height() : Deferred.height;
  StoreBounds(left, top, width, height);
  if (alignToBand_) ApplyBandAlignment();
}

void TQRPrintable::Notification(Component* removed) {
  if (removed == OwnerReport) OwnerReport = nullptr;
  if (removed == size_->MeasurementReport) size_->MeasurementReport = nullptr;
}

}  // namespace qr
