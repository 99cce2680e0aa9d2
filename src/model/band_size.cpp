#include "model/band_size.h"

#include "model/band.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr double kDefaultHeight = 20;
constexpr double kDefaultWidth = 40;

}  // namespace

TQRBandSize::TQRBandSize(TQRCustomBand* band)
    : TQRUnitBase({kDefaultHeight, kDefaultWidth}), band_(band) {}

void TQRBandSize::SetHeight(double value) {
  Store(kHeight, Axis::Vertical, value);
  ApplyToOwner();
}

void TQRBandSize::SetWidth(double value) {
  Store(kWidth, Axis::Horizontal, value);
  ApplyToOwner();
}

void TQRBandSize::ApplyToOwner() {
  if (band_ == nullptr) return;
  Updating = true;
  const int width = RoundHalfEven(FromNative(TQRUnit::Pixels, Axis::Horizontal, NativeWidth()));
  const int height = RoundHalfEven(FromNative(TQRUnit::Pixels, Axis::Vertical, NativeHeight()));
  band_->SetBounds(band_->Left(), band_->Top(), width, height);
  Updating = false;
}

}  // namespace qr
