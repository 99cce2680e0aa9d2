#include "model/page.h"

#include "model/report.h"
#include "platform/locale.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr double kUSMarginInches = 0.5;
constexpr double kMetricMarginMM = 10;
constexpr int kPageValueCount = 7;

}  // namespace

TQRPage::TQRPage(TQRCustomReport* report)
    : TQRUnitBase(std::vector<double>(kPageValueCount, 0.0)), report_(report) {
  MeasurementReport = report;
  const bool us = Locale::Current().measurementSystem == MeasurementSystem::US;
  SetUnits(us ? TQRUnit::Inches : TQRUnit::MM);
  SetPaperSize(us ? TQRPaperSize::Letter : TQRPaperSize::A4);
  const double margin = us ? kUSMarginInches : kMetricMarginMM;
  for (Index index : {kTopMargin, kBottomMargin, kRightMargin, kLeftMargin})
    SetValue(index, margin);
  ruler_ = true;
  columns_ = 1;
}

Axis TQRPage::AxisOf(Index index) const {
  return index == kBottomMargin || index == kLength || index == kTopMargin ? Axis::Vertical
                                                                           : Axis::Horizontal;
}

double TQRPage::Value(Index index) const {
  return Get(index, AxisOf(index));
}

void TQRPage::Rearrange() {
  if (report_) report_->ArrangeBands();
}

void TQRPage::SetValue(Index index, double value) {
  switch (index) {
    case kLength:
    case kWidth:
      if (paperSize_ != TQRPaperSize::Custom) return;
      [[fallthrough]];
    case kBottomMargin:
      Store(index, AxisOf(index), value);
      ApplyToOwner();
      Rearrange();
      return;
    default:
      Store(index, AxisOf(index), value);
      Rearrange();
      return;
  }
}

void TQRPage::SetColumns(int columns) {
  if (columns <= 0 || columns == columns_) return;
  columns_ = columns;
  Rearrange();
}

void TQRPage::SetOrientation(TPrinterOrientation orientation) {
  orientation_ = orientation;
  SetPaperSize(paperSize_);
}

void TQRPage::SetPaperSize(TQRPaperSize size) {
  if (const std::optional<PaperDimension> paper = PaperDimensions(size)) {
    StashUnits(TQRUnit::MM);
    paperSize_ = TQRPaperSize::Custom;
    const bool portrait = orientation_ == TPrinterOrientation::poPortrait;
    SetValue(kWidth, portrait ? paper->widthMm : paper->lengthMm);
    SetValue(kLength, portrait ? paper->lengthMm : paper->widthMm);
    RestoreUnits();
    Rearrange();
  }
  paperSize_ = size;
}

void TQRPage::ApplyToOwner() {
  if (Updating || report_ == nullptr) return;
  Updating = true;
  report_->SetPixelSize(
      RoundHalfEven(FromNative(TQRUnit::Pixels, Axis::Horizontal, NativeAt(kWidth))),
      RoundHalfEven(FromNative(TQRUnit::Pixels, Axis::Vertical, NativeAt(kLength))));
  Updating = false;
}

void TQRPage::ReadValueList(const std::vector<double>& values) {
  TQRUnitBase::ReadValueList(values);
  ApplyToOwner();
}

}  // namespace qr
