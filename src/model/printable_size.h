#pragma once

#include "model/unit_base.h"

namespace qr {

class TQRPrintable;

// A printable control's place on its band: height, left, top and width.
// Setting a value pushes the control's pixel bounds.
class TQRPrintableSize : public TQRUnitBase {
 public:
  explicit TQRPrintableSize(TQRPrintable* control);

  double Height() const { return Read(kHeight, Axis::Vertical); }
  double Left() const { return Read(kLeft, Axis::Horizontal); }
  double Top() const { return Read(kTop, Axis::Vertical); }
  double Width() const { return Read(kWidth, Axis::Horizontal); }
  void SetHeight(double value) { Write(kHeight, Axis::Vertical, value); }
  void SetLeft(double value) { Write(kLeft, Axis::Horizontal, value); }
  void SetTop(double value) { Write(kTop, Axis::Vertical, value); }
  void SetWidth(double value) { Write(kWidth, Axis::Horizontal, value); }

  double NativeHeight() const { return NativeAt(kHeight); }
  double NativeLeft() const { return NativeAt(kLeft); }
  double NativeTop() const { return NativeAt(kTop); }
  double NativeWidth() const { return NativeAt(kWidth); }

  void ApplyToOwner() override;

 private:
  static constexpr int kHeight = 0;  // "Values" order: Height, Left, Top, Width
  static constexpr int kLeft = 1;
  static constexpr int kTop = 2;
  static constexpr int kWidth = 3;

  double Read(int index, Axis axis) const;
  void Write(int index, Axis axis, double value);
  int PixelsOf(int index, Axis axis) const;

  TQRPrintable* control_;
};

}  // namespace qr
