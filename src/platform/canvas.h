#pragma once

#include <string>

#include "platform/geometry.h"

namespace qr {

// A font as drawing devices select it. `pixelHeight` is the em height in device
// units (a point size times pixels per inch / 72); it may be fractional when a
// page is stretched. Weight follows the classic scale: 400 normal, 700 bold.
struct CanvasFont {
  std::string faceName = "Arial";
  double pixelHeight = 13;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Color color = kBlack;
  int charset = 1;  // default character set
  friend bool operator==(const CanvasFont&, const CanvasFont&) = default;

  static double PixelHeightForPoints(double points, int pixelsPerInch);
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

// Width is in device units; 0 and 1 both draw one device unit wide.
struct CanvasPen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Color color = kBlack;
  friend bool operator==(const CanvasPen&, const CanvasPen&) = default;
};

enum class BrushStyle { Solid, Null };

struct CanvasBrush {
  BrushStyle style = BrushStyle::Solid;
  Color color = kWhite;
  friend bool operator==(const CanvasBrush&, const CanvasBrush&) = default;
};

// Where the reference point of TextOut lies on the text box.
enum class HorizontalAlign { Left, Right, Centre };
enum class VerticalAlign { Top, Baseline, Bottom };
enum class BackgroundMode { Transparent, Opaque };

// A drawing surface with the semantics of the classic GDI calls, in integer
// device units. Shapes are outlined with the pen and filled with the brush;
// their right and bottom edges lie outside the box. Text is drawn in the font's
// colour; with an opaque background its box is first filled with the
// background colour. A new canvas starts with the default font, a black
// one-unit pen, a white solid brush, left/top alignment, opaque background in
// white and no clipping.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetFont(const CanvasFont& font) = 0;
  virtual void SetPen(const CanvasPen& pen) = 0;
  virtual void SetBrush(const CanvasBrush& brush) = 0;
  virtual void SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) = 0;
  virtual void SetBackgroundMode(BackgroundMode mode) = 0;
  virtual void SetBackgroundColor(Color color) = 0;

  // `text` is UTF-8.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Width and cell height (ascent + descent) of `text` in the current font.
  virtual Size TextExtent(const std::string& text) = 0;

  // Fills the box with the brush colour, without an outline.
  virtual void FillRect(const Rect& box) = 0;
  virtual void Rectangle(const Rect& box) = 0;
  virtual void Ellipse(const Rect& box) = 0;
  // `corner` is the width and height of the ellipse that rounds each corner.
  virtual void RoundRect(const Rect& box, Size corner) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // Draws from the current position to (x, y), which becomes the current one.
  virtual void LineTo(int x, int y) = 0;

  // Narrows the clip region to its intersection with `box`.
  virtual void IntersectClipRect(const Rect& box) = 0;
  // Removes all clipping.
  virtual void ResetClip() = 0;
};

}  // namespace qr
