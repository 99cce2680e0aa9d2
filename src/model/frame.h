#pragma once

#include "platform/canvas.h"

namespace qr {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The canvas pen style of a stored one; an inside-frame pen draws solid.
PenStyle CanvasPenStyle(TPenStyle style);

// The border lines of a band, a printable control or the report.
class TQRFrame {
 public:
  Color LineColor = kBlack;
  bool DrawTop = false;
  bool DrawBottom = false;
  bool DrawLeft = false;
  bool DrawRight = false;
  TPenStyle Style = TPenStyle::psSolid;
  int Width = 1;  // points (1/72 inch)

  bool AnyFrame() const { return DrawTop || DrawBottom || DrawLeft || DrawRight; }

  // Draws the set sides inside `box` (device pixels) as filled strips whose
  // thickness follows Width at the device's dots per native unit.
  void PaintFrame(Canvas& canvas, const Rect& box, double dotsX, double dotsY) const;

  friend bool operator==(const TQRFrame&, const TQRFrame&) = default;
};

}  // namespace qr
