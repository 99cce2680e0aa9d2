#include "model/units.h"

#include <cmath>

namespace qr {
namespace {

constexpr double kNativePerMM = 10;
constexpr double kCentimetresPerInch = 2.54;
// Character cells of the classic 10-pitch printer grid, scaled to the font size.
constexpr double kCharacterWidthFactor = 80;
constexpr double kCharacterHeightFactor = 145.3;

// A report font never has size 0; should one arrive, characters are taken at
// the default report font size rather than dividing by zero.
constexpr double kFallbackPoints = 10;

double PointsOrFallback(double points) {
  return points == 0 ? kFallbackPoints : std::fabs(points);
}

double NativePerPixel(const UnitContext& context) {
  return kNativePerInch / context.resolution;
}

}  // namespace

double CharacterWidth(double points) {
  return kCharacterWidthFactor / PointsOrFallback(points) / kCentimetresPerInch;
}

double CharacterHeight(double points) {
  return kCharacterHeightFactor / PointsOrFallback(points) / kCentimetresPerInch;
}

double FromNative(TQRUnit units, Axis axis, double n, const UnitContext& context) {
  switch (units) {
    case TQRUnit::MM:
      return n / kNativePerMM;
    case TQRUnit::Inches:
      return n / kNativePerInch;
    case TQRUnit::Pixels:
      return n / NativePerPixel(context) * context.zoom / 100;
    case TQRUnit::Characters:
      return axis == Axis::Horizontal ? n / CharacterWidth(context.fontSize) / 10
                                      : n / CharacterHeight(context.fontSize) / 10;
    case TQRUnit::Native:
      return n;
  }
  return n;
}

double ToNative(TQRUnit units, Axis axis, double u, const UnitContext& context) {
  switch (units) {
    case TQRUnit::MM:
      return u * kNativePerMM;
    case TQRUnit::Inches:
      return u * kNativePerInch;
    case TQRUnit::Pixels:
      return u * NativePerPixel(context) / context.zoom * 100;
    case TQRUnit::Characters:
      return axis == Axis::Horizontal ? u * CharacterWidth(context.fontSize) * 10
                                      : u * CharacterHeight(context.fontSize) * 10;
    case TQRUnit::Native:
      return u;
  }
  return u;
}

}  // namespace qr
