#include "platform/emf/dump_canvas.h"

#include <cstdio>

#include "platform/float_text.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

std::string ColorText(Color color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color.Red(), color.Green(), color.Blue());
  return text;
}

std::string BoxText(const Rect& box) {
  return std::to_string(box.left) + "," + std::to_string(box.top) + "-" +
         std::to_string(box.right) + "," + std::to_string(box.bottom);
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

const char* PenStyleName(PenStyle style) {
  static const char* const names[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null"};
  return names[static_cast<int>(style)];
}

}  // namespace

void DumpCanvas::Line(const std::string& line) {
  text_ += line;
  text_ += '\n';
}

void DumpCanvas::SetFont(const CanvasFont& font) {
  font_ = font;
  Locale dot;
  dot.decimalSeparator = ".";
  std::string line = "font " + Quoted(font.faceName) +
                     " height=" + GeneralFloatText(font.pixelHeight, dot) +
                     " weight=" + std::to_string(font.weight);
  if (font.italic) line += " italic";
  if (font.underline) line += " underline";
  if (font.strikeOut) line += " strikeout";
  Line(line + " color=" + ColorText(font.color));
}

void DumpCanvas::SetPen(const CanvasPen& pen) {
  if (pen.style == PenStyle::Null) return Line("pen null");
  Line(std::string("pen ") + PenStyleName(pen.style) + " width=" + std::to_string(pen.width) +
       " color=" + ColorText(pen.color));
}

void DumpCanvas::SetBrush(const CanvasBrush& brush) {
  if (brush.style == BrushStyle::Null) return Line("brush null");
  Line("brush solid color=" + ColorText(brush.color));
}

void DumpCanvas::SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) {
  horizontal_ = horizontal;
  vertical_ = vertical;
}

void DumpCanvas::SetBackgroundMode(BackgroundMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Line(mode == BackgroundMode::Opaque ? "background opaque" : "background transparent");
}

void DumpCanvas::SetBackgroundColor(Color color) {
  if (color == background_) return;
  background_ = color;
  Line("background color=" + ColorText(color));
}

void DumpCanvas::TextOut(int x, int y, const std::string& text) {
  static const char* const horizontalNames[] = {"left", "right", "centre"};
  static const char* const verticalNames[] = {"top", "baseline", "bottom"};
  std::string line = "text x=" + std::to_string(x) + " y=" + std::to_string(y) +
                     " align=" + horizontalNames[static_cast<int>(horizontal_)];
  if (vertical_ != VerticalAlign::Top)
    line += std::string(" valign=") + verticalNames[static_cast<int>(vertical_)];
  Line(line + " " + Quoted(text));
}

Size DumpCanvas::TextExtent(const std::string& text) {
  return TextMeasurer::Extent(font_, text);
}

void DumpCanvas::FillRect(const Rect& box) {
  Line("fill " + BoxText(box));
}

void DumpCanvas::Rectangle(const Rect& box) {
  Line("rect " + BoxText(box));
}

void DumpCanvas::Ellipse(const Rect& box) {
  Line("ellipse " + BoxText(box));
}

void DumpCanvas::RoundRect(const Rect& box, Size corner) {
  Line("roundrect " + BoxText(box) + " corner=" + std::to_string(corner.width) + "," +
       std::to_string(corner.height));
}

void DumpCanvas::LineTo(int x, int y) {
  Line("line " + std::to_string(position_.x) + "," + std::to_string(position_.y) + "-" +
       std::to_string(x) + "," + std::to_string(y));
  position_ = Point{x, y};
}

void DumpCanvas::IntersectClipRect(const Rect& box) {
  Line("clip " + BoxText(box));
}

}  // namespace qr
