#pragma once

#include "model/frame.h"
#include "model/printable.h"

namespace qr {

enum class TQRShapeType {
  qrsRectangle,
  qrsCircle,
  qrsVertLine,
  qrsHorLine,
  qrsTopAndBottom,
  qrsRightAndLeft,
  qrsRoundRect,
};

enum class TBrushStyle { bsSolid, bsClear };

struct ShapePen {
  Color color = kBlack;
  TPenStyle style = TPenStyle::psSolid;
  int width = 1;
  friend bool operator==(const ShapePen&, const ShapePen&) = default;
};

struct ShapeBrush {
  Color color = kWhite;
  TBrushStyle style = TBrushStyle::bsSolid;
  friend bool operator==(const ShapeBrush&, const ShapeBrush&) = default;
};

// Lines, rectangles, circles and rounded rectangles.
class TQRShape : public TQRPrintable {
 public:
  explicit TQRShape(Component* owner);
  const ClassInfo& Class() const override;

  TQRShapeType Shape = TQRShapeType::qrsRectangle;
  ShapePen Pen;
  ShapeBrush Brush;
  float RoundFactor = 0;
  int VertAdjust = 0;

  // Draws the shape with Pen and Brush in the control's rectangle, with the
  // band's top-left at (offsetX, offsetY) native units.
  void PrintAt(int offsetX, int offsetY) override;
};

// The pixel size of a new shape.
inline constexpr int kNewShapePixels = 65;

}  // namespace qr
