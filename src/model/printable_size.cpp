#include "model/printable_size.h"

#include "model/base_panel.h"
#include "model/printable.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr double kDefaultLength = 20;

}  // namespace

TQRPrintableSize::TQRPrintableSize(TQRPrintable* control)
    : TQRUnitBase({kDefaultLength, kDefaultLength, kDefaultLength, kDefaultLength}),
      control_(control) {}

double TQRPrintableSize::Read(int index, Axis axis) const {
  double value = Get(index, axis);
  // Pixels are read on the scale of the panel the control sits on.
  if (Units() == TQRUnit::Pixels && control_) {
    if (const auto* panel = dynamic_cast<const TQRBasePanel*>(control_->Parent()))
      value = value * panel->Zoom() / 100;
  }
  return value;
}

void TQRPrintableSize::Write(int index, Axis axis, double value) {
  Store(index, axis, value);
  ApplyToOwner();
}

int TQRPrintableSize::PixelsOf(int index, Axis axis) const {
  return RoundHalfEven(FromNative(TQRUnit::Pixels, axis, NativeAt(index)));
}

void TQRPrintableSize::ApplyToOwner() {
  if (control_ == nullptr) return;
  Updating = true;
  control_->SetBounds(PixelsOf(kLeft, Axis::Horizontal), PixelsOf(kTop, Axis::Vertical),
                      PixelsOf(kWidth, Axis::Horizontal), PixelsOf(kHeight, Axis::Vertical));
  Updating = false;
}

}  // namespace qr
