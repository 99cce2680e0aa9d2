#include "platform/float_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace qr {
namespace {

TEST(GeneralFloatText, WritesFifteenSignificantDigitsWithoutTrailingZeros) {
  Locale dot;
  dot.decimalSeparator = ".";
  struct Case {
    const char* name;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"integral", 3, "3"},
      {"half", 12.5, "12.5"},
      {"tenth", 0.1, "0.1"},  // not 0.100000000000000006
      {"zero", 0, "0"},
      {"negative", -2.25, "-2.25"},
      {"rounded-to-15", 1.0 / 3, "0.333333333333333"},
      {"binary-noise", 0.1 + 0.2, "0.3"},
      {"fifteen-integer-digits", 123456789012345.0, "123456789012345"},
      {"sixteen-integer-digits", 1234567890123456.0, "1.23456789012346E15"},
      {"large", 1.5e20, "1.5E20"},
      {"smallest-fixed", 0.0001, "0.0001"},
      {"small", 0.00001, "1E-5"},
      {"small-with-digits", -2.5e-10, "-2.5E-10"},
      {"price", 290.19, "290.19"},
      {"product", 12 * 290.19, "3482.28"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GeneralFloatText(c.value, dot), c.expected);
  }
}

TEST(GeneralFloatText, UsesTheLocaleDecimalSeparatorAndNoGrouping) {
  Locale comma;
  comma.decimalSeparator = ",";
  comma.thousandSeparator = ".";
  EXPECT_EQ(GeneralFloatText(1234567.5, comma), "1234567,5");
  EXPECT_EQ(GeneralFloatText(2.5e-7, comma), "2,5E-7");
}

TEST(GeneralFloatText, NamesNonFiniteValues) {
  EXPECT_EQ(GeneralFloatText(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(GeneralFloatText(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(GeneralFloatText(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

}  // namespace
}  // namespace qr
