#pragma once

#include <QFont>
#include <QString>

#include "platform/canvas.h"

namespace qr {

// The Qt font for a canvas font, with kerning off: classic text output places
// glyphs by their plain advances, and measuring must agree with drawing.
// The size is left unset when `pointsPerPixel` is 0; otherwise the font gets
// pixelHeight * pointsPerPixel points (72 / the device's pixels per inch).
// "Times New Roman" and "Arial" resolve through fontconfig to the
// metric-compatible Liberation Serif and Liberation Sans.
QFont ToQFont(const CanvasFont& font, double pointsPerPixel);

// The family the font system actually uses for `faceName`.
QString ResolvedFamily(const std::string& faceName);

}  // namespace qr
