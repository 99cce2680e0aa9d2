#pragma once

#include "model/unit_base.h"
#include "print/paper_names.h"

namespace qr {

// The report's page: paper size and orientation, margins, columns.
// Values by index: 0 BottomMargin, 1 Length, 2 TopMargin, 3 Width,
// 4 LeftMargin, 5 RightMargin, 6 ColumnSpace.
class TQRPage : public TQRUnitBase {
 public:
  enum Index {
    kBottomMargin,
    kLength,
    kTopMargin,
    kWidth,
    kLeftMargin,
    kRightMargin,
    kColumnSpace
  };

  // Constructs with the locale's defaults: Letter with half-inch margins for
  // the U.S. measurement system, otherwise A4 with 10 mm margins.
  explicit TQRPage(TQRCustomReport* report);

  double Value(Index index) const;
  // Stores a value in the current unit and performs its update step; Length
  // and Width are ignored unless the paper size is Custom.
  void SetValue(Index index, double value);

  double BottomMargin() const { return Value(kBottomMargin); }
  double Length() const { return Value(kLength); }
  double TopMargin() const { return Value(kTopMargin); }
  double Width() const { return Value(kWidth); }
  double LeftMargin() const { return Value(kLeftMargin); }
  double RightMargin() const { return Value(kRightMargin); }
  double ColumnSpace() const { return Value(kColumnSpace); }
  double Native(Index index) const { return NativeAt(index); }

  int Columns() const { return columns_; }
  // Values <= 0 are ignored.
  void SetColumns(int columns);
  TPrinterOrientation Orientation() const { return orientation_; }
  void SetOrientation(TPrinterOrientation orientation);
  TQRPaperSize PaperSize() const { return paperSize_; }
  // A fixed size overwrites Width and Length from the paper table (swapped in
  // landscape); Default and Custom keep the dimensions.
  void SetPaperSize(TQRPaperSize size);
  bool Ruler() const { return ruler_; }
  void SetRuler(bool ruler) { ruler_ = ruler; }

  // Stores a margin in native units with no update step (a run resets
  // margins that do not fit the paper).
  void SetNativeMargin(Index index, double value) { SetNativeAt(index, value); }

  void ApplyToOwner() override;
  void ReadValueList(const std::vector<double>& values) override;

 private:
  Axis AxisOf(Index index) const;
  void Rearrange();

  TQRCustomReport* report_;
  int columns_ = 1;
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  TQRPaperSize paperSize_ = TQRPaperSize::Default;
  bool ruler_ = true;
};

}  // namespace qr
