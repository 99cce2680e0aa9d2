#pragma once

#include <string>

#include "platform/canvas.h"

namespace qr {

// The window-text and window colours of the classic default scheme.
inline constexpr Color kWindowText = kBlack;

// A control's font as report definitions store it: the face, the height in
// screen pixels (negative for the character height, as stored definitions
// write it), styles, colour and character set.
struct ReportFont {
  std::string name = "Arial";
  int height = -13;  // 10 points at 96 pixels per inch
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Color color = kWindowText;
  int charset = 1;  // default character set
  friend bool operator==(const ReportFont&, const ReportFont&) = default;

  // Point size at the reference resolution: -height * 72 / 96, rounded.
  int Size() const;
  void SetSize(int points);
  // The canvas font for a device with `pixelsPerInch`.
  CanvasFont ToCanvasFont(int pixelsPerInch) const;
};

}  // namespace qr
