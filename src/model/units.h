#pragma once

namespace qr {

// Presentation units of report lengths. Lengths are stored in native units of
// 0.1 mm (254 to the inch); a unit only changes how they are read and written.
enum class TQRUnit { MM, Inches, Pixels, Characters, Native };

enum class Axis { Horizontal, Vertical };

// What a conversion needs beside the value: the screen resolution and zoom
// for Pixels, and the report font's size in points for Characters.
struct UnitContext {
  int resolution = 96;
  int zoom = 100;
  double fontSize = 10;
};

inline constexpr double kNativePerInch = 254;

// Native units per character cell for a font of `points` size.
double CharacterWidth(double points);
double CharacterHeight(double points);

double FromNative(TQRUnit units, Axis axis, double nativeValue, const UnitContext& context);
double ToNative(TQRUnit units, Axis axis, double value, const UnitContext& context);

}  // namespace qr
