#include "controls/shape.h"

#include <cmath>

#include "pages/qr_printer.h"

namespace qr {
namespace {

void Line(Canvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

TQRShape::TQRShape(Component* owner) : TQRPrintable(owner) {
  StoreBounds(0, 0, kNewShapePixels, kNewShapePixels);
}

void TQRShape::PrintAt(int offsetX, int offsetY) {
  if (!ShouldPrint() || !QRPrinter || !QRPrinter->GetCanvas()) return;
  const TQRPrinter& printer = *QRPrinter;
  Canvas& canvas = *printer.GetCanvas();
  canvas.SetBrush(
      {Brush.style == TBrushStyle::bsClear ? BrushStyle::Null : BrushStyle::Solid, Brush.color});
  canvas.SetPen({CanvasPenStyle(Pen.style), Pen.width, Pen.color});

  const double left = Size().NativeLeft() + offsetX;
  const double top = Size().NativeTop() + offsetY;
  const double width = Size().NativeWidth();
  const double height = Size().NativeHeight();
  const int l = printer.ToDeviceX(left);
  const int t = printer.ToDeviceY(top);
  const int r = printer.ToDeviceX(left + width);
  const int b = printer.ToDeviceY(top + height);
  switch (Shape) {
    case TQRShapeType::qrsRectangle:
      canvas.Rectangle({l, t, r, b});
      break;
    case TQRShapeType::qrsCircle:
      canvas.Ellipse({l, t, r, b});
      break;
    case TQRShapeType::qrsVertLine: {
      const int x = printer.ToDeviceX(left + width / 2);
      Line(canvas, x, t, x, b);
      break;
    }
    case TQRShapeType::qrsHorLine: {
      const int y = printer.ToDeviceY(top + height / 2);
      Line(canvas, l, y, r, y);
      break;
    }
    case TQRShapeType::qrsTopAndBottom:
      Line(canvas, l, t, r, t);
      Line(canvas, l, b, r, b);
      break;
    case TQRShapeType::qrsRightAndLeft:
      Line(canvas, l, t, l, b);
      Line(canvas, r, t, r, b);
      break;
    case TQRShapeType::qrsRoundRect: {
      // The corner follows the control's width in screen pixels, used as dots.
      const int corner = static_cast<int>(std::trunc(Width() * RoundFactor));
      canvas.RoundRect({l, t, r, b}, {corner, corner});
      break;
    }
  }
}

}  // namespace qr
