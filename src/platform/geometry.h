#pragma once

#include <cstdint>

namespace qr {

// Integer device units, y pointing down, as drawing devices count them.
struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A box given by its edges. As with the classic drawing calls, `right` and
// `bottom` lie just outside the box: width = right - left.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour stored as 0x00BBGGRR, the byte order of a COLORREF.
struct Color {
  std::uint32_t value = 0;
  static constexpr Color FromRgb(int red, int green, int blue) {
    return Color{
        static_cast<std::uint32_t>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16)};
  }
  int Red() const { return value & 0xFF; }
  int Green() const { return (value >> 8) & 0xFF; }
  int Blue() const { return (value >> 16) & 0xFF; }
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack = Color::FromRgb(0, 0, 0);
inline constexpr Color kWhite = Color::FromRgb(255, 255, 255);

}  // namespace qr
