#include "model/units.h"

#include <gtest/gtest.h>

#include "platform/text_measurer.h"

namespace qr {
namespace {

TEST(Units, ConvertBetweenNativeAndEveryUnit) {
  const UnitContext screen{.resolution = 96, .zoom = 100, .fontSize = 10};
  const UnitContext zoomed{.resolution = 96, .zoom = 200, .fontSize = 10};
  struct Case {
    const char* name;
    TQRUnit unit;
    Axis axis;
    UnitContext context;
    double native;
    double value;
  };
  const Case cases[] = {
      {"mm", TQRUnit::MM, Axis::Horizontal, screen, 100, 10},
      {"inch", TQRUnit::Inches, Axis::Vertical, screen, 254, 1},
      {"pixels", TQRUnit::Pixels, Axis::Horizontal, screen, 2540, 960},
      {"pixels-zoomed", TQRUnit::Pixels, Axis::Horizontal, zoomed, 254, 192},
      // A 10-point character cell: 80 / 10 / 2.54 native units wide, 145.3 / 10 / 2.54 high.
      {"char-wide", TQRUnit::Characters, Axis::Horizontal, screen, 10 * 80 / 10 / 2.54, 1},
      {"char-high", TQRUnit::Characters, Axis::Vertical, screen, 10 * 145.3 / 10 / 2.54, 1},
      {"native", TQRUnit::Native, Axis::Vertical, screen, 12.5, 12.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(FromNative(c.unit, c.axis, c.native, c.context), c.value, 1e-9);
    EXPECT_NEAR(ToNative(c.unit, c.axis, c.value, c.context), c.native, 1e-9);
  }
}

TEST(Units, ACharacterCellOfAZeroSizeFontFallsBackToTenPoints) {
  EXPECT_DOUBLE_EQ(CharacterWidth(0), CharacterWidth(10));
  EXPECT_DOUBLE_EQ(CharacterHeight(-8), CharacterHeight(8));
}

TEST(Units, LengthsRoundHalfToEven) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
}

}  // namespace
}  // namespace qr
