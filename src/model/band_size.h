#pragma once

#include "model/unit_base.h"

namespace qr {

class TQRCustomBand;

// A band's height and width. Setting either pushes the band's pixel size.
class TQRBandSize : public TQRUnitBase {
 public:
  explicit TQRBandSize(TQRCustomBand* band);

  double Height() const { return Get(kHeight, Axis::Vertical); }
  double Width() const { return Get(kWidth, Axis::Horizontal); }
  void SetHeight(double value);
  void SetWidth(double value);
  double NativeHeight() const { return NativeAt(kHeight); }
  double NativeWidth() const { return NativeAt(kWidth); }

  void ApplyToOwner() override;

 private:
  static constexpr int kHeight = 0;  // "Values" order: Height, Width
  static constexpr int kWidth = 1;
  TQRCustomBand* band_;
};

}  // namespace qr
