#include "platform/painter_canvas.h"

#include <QPaintDevice>
#include <QPainter>

#include "platform/font_resolver.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

QColor ToQColor(Color color) {
  return QColor(color.Red(), color.Green(), color.Blue());
}

Qt::PenStyle ToQtPenStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Solid:
      return Qt::SolidLine;
    case PenStyle::Dash:
      return Qt::DashLine;
    case PenStyle::Dot:
      return Qt::DotLine;
    case PenStyle::DashDot:
      return Qt::DashDotLine;
    case PenStyle::DashDotDot:
      return Qt::DashDotDotLine;
    case PenStyle::Null:
      return Qt::NoPen;
  }
  return Qt::SolidLine;
}

// A box shrunk by half the pen width on every side, so that an outline of that
// width stays inside [left, right) x [top, bottom) as the classic calls draw it.
QRectF OutlineBox(const Rect& box, double penWidth) {
  const double half = penWidth / 2;
  return QRectF(box.left + half, box.top + half, box.Width() - penWidth, box.Height() - penWidth);
}

}  // namespace

// Without a pen a shape is filled one unit short on the right and at the
// bottom, where the outline would have been.
QRectF PainterCanvas::ShapeBox(const Rect& box) const {
  if (pen_.style == PenStyle::Null)
    return QRectF(box.left, box.top, box.Width() - 1, box.Height() - 1);
  return OutlineBox(box, PenWidth());
}

PainterCanvas::PainterCanvas(QPainter& painter)
    : painter_(painter), pointsPerPixel_(72.0 / painter.device()->logicalDpiY()) {
  painter_.setRenderHint(QPainter::TextAntialiasing);
  SetFont(font_);
  SetPen(pen_);
  SetBrush(brush_);
}

void PainterCanvas::SetFont(const CanvasFont& font) {
  font_ = font;
  qfont_ = ToQFont(font, pointsPerPixel_);
  painter_.setFont(qfont_);
}

void PainterCanvas::SetPen(const CanvasPen& pen) {
  pen_ = pen;
}

void PainterCanvas::SetBrush(const CanvasBrush& brush) {
  brush_ = brush;
}

void PainterCanvas::SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) {
  horizontal_ = horizontal;
  vertical_ = vertical;
}

double PainterCanvas::PenWidth() const {
  if (pen_.style == PenStyle::Null) return 0;
  return pen_.width < 1 ? 1 : pen_.width;
}

void PainterCanvas::ApplyPen() {
  if (pen_.style == PenStyle::Null) {
    painter_.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(pen_.color), PenWidth(), ToQtPenStyle(pen_.style), Qt::FlatCap, Qt::MiterJoin);
  painter_.setPen(pen);
}

void PainterCanvas::ApplyBrush() {
  if (brush_.style == BrushStyle::Null)
    painter_.setBrush(Qt::NoBrush);
  else
    painter_.setBrush(ToQColor(brush_.color));
}

void PainterCanvas::TextOut(int x, int y, const std::string& text) {
  const QString qtext = QString::fromStdString(text);
  const QFontMetricsF metrics(qfont_, painter_.device());
  const double width = TextMeasurer::Width(font_, text);
  double left = x;
  if (horizontal_ == HorizontalAlign::Right) left = x - width;
  if (horizontal_ == HorizontalAlign::Centre) left = x - width / 2;
  double baseline = y;
  if (vertical_ == VerticalAlign::Top) baseline = y + metrics.ascent();
  if (vertical_ == VerticalAlign::Bottom) baseline = y - metrics.descent();
  if (backgroundMode_ == BackgroundMode::Opaque) {
    painter_.fillRect(QRectF(left, baseline - metrics.ascent(), width, metrics.height()),
                      ToQColor(backgroundColor_));
  }
  painter_.setPen(ToQColor(font_.color));
  painter_.drawText(QPointF(left, baseline), qtext);
}

Size PainterCanvas::TextExtent(const std::string& text) {
  return TextMeasurer::Extent(font_, text);
}

void PainterCanvas::FillRect(const Rect& box) {
  if (brush_.style == BrushStyle::Null) return;
  painter_.fillRect(QRect(box.left, box.top, box.Width(), box.Height()), ToQColor(brush_.color));
}

void PainterCanvas::Rectangle(const Rect& box) {
  ApplyPen();
  ApplyBrush();
  painter_.drawRect(ShapeBox(box));
}

void PainterCanvas::Ellipse(const Rect& box) {
  ApplyPen();
  ApplyBrush();
  painter_.drawEllipse(ShapeBox(box));
}

void PainterCanvas::RoundRect(const Rect& box, Size corner) {
  ApplyPen();
  ApplyBrush();
  painter_.drawRoundedRect(ShapeBox(box), corner.width / 2.0, corner.height / 2.0);
}

void PainterCanvas::LineTo(int x, int y) {
  ApplyPen();
  // Odd-width lines run through the middle of the device pixels across their
  // direction, so that a one-unit line covers exactly one row or column; along
  // it the flat caps keep the end point unpainted, as the classic call does.
  const double across = static_cast<int>(PenWidth()) % 2 ? 0.5 : 0;
  const double offsetX = position_.x == x ? across : 0;
  const double offsetY = position_.y == y || position_.x != x ? across : 0;
  painter_.drawLine(QPointF(position_.x + offsetX, position_.y + offsetY),
                    QPointF(x + offsetX, y + offsetY));
  position_ = Point{x, y};
}

void PainterCanvas::IntersectClipRect(const Rect& box) {
  const QRect rect(box.left, box.top, box.Width(), box.Height());
  painter_.setClipRect(rect, clipped_ ? Qt::IntersectClip : Qt::ReplaceClip);
  clipped_ = true;
}

void PainterCanvas::ResetClip() {
  painter_.setClipping(false);
  clipped_ = false;
}

}  // namespace qr
