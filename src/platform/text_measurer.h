#pragma once

#include <string>
#include <string_view>

#include "platform/canvas.h"
#include "platform/rounding.h"

namespace qr {

// Vertical metrics of a font in device units, rounded as text cells are.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int Height() const { return ascent + descent; }
};

// Measures text for layout, independent of any real screen so that layout is
// the same headless and on every display. Widths are the sum of the glyphs'
// unkerned advances at the font's pixel height; the advances are cached per
// font and character, which makes a measurement a few table look-ups instead
// of a text shaping run. Each thread keeps its own cache.
class TextMeasurer {
 public:
  // Width of UTF-8 `text` in device units, unrounded.
  static double Width(const CanvasFont& font, std::string_view text);
  // Width of each UTF-16 unit's glyph (0 for the second unit of a pair).
  static std::u16string_view::size_type Advances(const CanvasFont& font, std::u16string_view text,
                                                 double* advances);
  static FontMetrics Metrics(const CanvasFont& font);
  // Width rounded to whole units and the cell height: the classic text extent.
  static Size Extent(const CanvasFont& font, std::string_view text);
};

// The pixels per inch of the reference screen that pages are laid out for.
// 96 unless configured.
int ReferencePixelsPerInch();
void SetReferencePixelsPerInch(int pixelsPerInch);

}  // namespace qr
