#include "model/font.h"

#include <cmath>

#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

}  // namespace

int ReportFont::Size() const {
  const int pixels = ReferencePixelsPerInch();
  if (height >= 0) return height;  // a cell height is kept as given
  return RoundHalfEven(static_cast<double>(-height) * kPointsPerInch / pixels);
}

void ReportFont::SetSize(int points) {
  height = -RoundHalfEven(static_cast<double>(points) * ReferencePixelsPerInch() / kPointsPerInch);
}

CanvasFont ReportFont::ToCanvasFont(int pixelsPerInch) const {
  CanvasFont font;
  font.faceName = name;
  const double referencePixels = std::abs(height);
  font.pixelHeight = referencePixels * pixelsPerInch / ReferencePixelsPerInch();
  font.weight = bold ? kBoldWeight : kNormalWeight;
  font.italic = italic;
  font.underline = underline;
  font.strikeOut = strikeOut;
  font.color = color;
  font.charset = charset;
  return font;
}

}  // namespace qr
