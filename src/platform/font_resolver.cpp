#include "platform/font_resolver.h"

#include <QFontInfo>

namespace qr {

QFont ToQFont(const CanvasFont& font, double pointsPerPixel) {
  QFont result(QString::fromStdString(font.faceName));
  if (pointsPerPixel > 0) result.setPointSizeF(font.pixelHeight * pointsPerPixel);
  // Qt's weights run 1..1000 like the classic ones, so they map one to one.
  result.setWeight(
      static_cast<QFont::Weight>(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
  result.setItalic(font.italic);
  result.setUnderline(font.underline);
  result.setStrikeOut(font.strikeOut);
  result.setKerning(false);
  return result;
}

QString ResolvedFamily(const std::string& faceName) {
  return QFontInfo(QFont(QString::fromStdString(faceName))).family();
}

}  // namespace qr
