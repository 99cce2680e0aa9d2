#pragma once

#include <QFont>
#include <QRectF>
#include <optional>

#include "platform/canvas.h"

class QPainter;

namespace qr {

// Draws on whatever a QPainter paints on: a widget, a QImage, a PDF writer or
// a printer. Coordinates are the painter's device units; fonts are sized for
// the device's own resolution so that a pixel height means device pixels.
// Text widths come from the same unkerned font the measuring service uses.
class PainterCanvas : public Canvas {
 public:
  // The painter must be active and outlive the canvas.
  explicit PainterCanvas(QPainter& painter);

  void SetFont(const CanvasFont& font) override;
  void SetPen(const CanvasPen& pen) override;
  void SetBrush(const CanvasBrush& brush) override;
  void SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) override;
  void SetBackgroundMode(BackgroundMode mode) override { backgroundMode_ = mode; }
  void SetBackgroundColor(Color color) override { backgroundColor_ = color; }

  void TextOut(int x, int y, const std::string& text) override;
  Size TextExtent(const std::string& text) override;

  void FillRect(const Rect& box) override;
  void Rectangle(const Rect& box) override;
  void Ellipse(const Rect& box) override;
  void RoundRect(const Rect& box, Size corner) override;
  void MoveTo(int x, int y) override { position_ = Point{x, y}; }
  void LineTo(int x, int y) override;

  void IntersectClipRect(const Rect& box) override;
  void ResetClip() override;

 private:
  void ApplyPen();
  void ApplyBrush();
  double PenWidth() const;
  QRectF ShapeBox(const Rect& box) const;

  QPainter& painter_;
  double pointsPerPixel_;
  CanvasFont font_;
  QFont qfont_;
  CanvasPen pen_;
  CanvasBrush brush_;
  HorizontalAlign horizontal_ = HorizontalAlign::Left;
  VerticalAlign vertical_ = VerticalAlign::Top;
  BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
  Color backgroundColor_ = kWhite;
  Point position_;
  bool clipped_ = false;
};

}  // namespace qr
