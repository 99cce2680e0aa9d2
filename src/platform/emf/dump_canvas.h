#pragma once

#include <string>

#include "platform/canvas.h"

namespace qr {

// A canvas that writes each drawing call as one line of text, for reading and
// comparing pages:
//   font "Arial" height=11 weight=700 italic color=#000000
//   text x=123 y=456 align=right "12.50"      (valign=baseline|bottom when not top)
//   line 100,200-100,253
//   rect 10,10-190,90    fill ...    ellipse ...    roundrect ... corner=20,20
//   pen solid width=1 color=#000000    brush null    clip 0,0-100,50    clip reset
// Settings are written when a call changes them.
class DumpCanvas : public Canvas {
 public:
  const std::string& Text() const { return text_; }

  void SetFont(const CanvasFont& font) override;
  void SetPen(const CanvasPen& pen) override;
  void SetBrush(const CanvasBrush& brush) override;
  void SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) override;
  void SetBackgroundMode(BackgroundMode mode) override;
  void SetBackgroundColor(Color color) override;

  void TextOut(int x, int y, const std::string& text) override;
  Size TextExtent(const std::string& text) override;

  void FillRect(const Rect& box) override;
  void Rectangle(const Rect& box) override;
  void Ellipse(const Rect& box) override;
  void RoundRect(const Rect& box, Size corner) override;
  void MoveTo(int x, int y) override { position_ = Point{x, y}; }
  void LineTo(int x, int y) override;

  void IntersectClipRect(const Rect& box) override;
  void ResetClip() override { Line("clip reset"); }

 private:
  void Line(const std::string& line);

  std::string text_;
  CanvasFont font_;
  HorizontalAlign horizontal_ = HorizontalAlign::Left;
  VerticalAlign vertical_ = VerticalAlign::Top;
  BackgroundMode mode_ = BackgroundMode::Opaque;
  Color background_ = kWhite;
  Point position_;
};

}  // namespace qr
