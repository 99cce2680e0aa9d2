#include "model/frame.h"

#include "model/units.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr double kPointsPerInch = 72;

int LineThickness(double dotsPerNative, int widthInPoints) {
  if (widthInPoints == -1) return 1;
  const int thickness =
      RoundHalfEven(dotsPerNative / kPointsPerInch * kNativePerInch * widthInPoints);
  return thickness < 1 && widthInPoints >= 1 ? 1 : thickness;
}

}  // namespace

PenStyle CanvasPenStyle(TPenStyle style) {
  switch (style) {
    case TPenStyle::psDash:
      return PenStyle::Dash;
    case TPenStyle::psDot:
      return PenStyle::Dot;
    case TPenStyle::psDashDot:
      return PenStyle::DashDot;
    case TPenStyle::psDashDotDot:
      return PenStyle::DashDotDot;
    case TPenStyle::psClear:
      return PenStyle::Null;
    default:
      return PenStyle::Solid;
  }
}

void TQRFrame::PaintFrame(Canvas& canvas, const Rect& box, double dotsX, double dotsY) const {
  const int vertical = LineThickness(dotsX, Width);
  const int horizontal = LineThickness(dotsY, Width);
  canvas.SetBrush({BrushStyle::Solid, LineColor});
  canvas.SetPen({CanvasPenStyle(Style), 1, LineColor});
  const auto [l, t, r, b] = box;
  if (DrawTop) canvas.FillRect({l, t, r, t + horizontal});
  if (DrawBottom) canvas.FillRect({l, b - horizontal, r, b});
  if (DrawLeft) canvas.FillRect({l, t, l + vertical, b});
  if (DrawRight) canvas.FillRect({r - vertical, t, r, b});
  canvas.SetBrush({BrushStyle::Null, LineColor});
}

}  // namespace qr
