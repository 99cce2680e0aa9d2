#include "expr/numeric_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "expr_test_support.h"

namespace qr::expr {
namespace {

struct Case {
  const char* name;
  const char* picture;
  double value;
  const char* expected;
};

void ExpectAll(const Locale& locale, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.picture);
    EXPECT_EQ(FormatNumeric(c.picture, c.value, locale), c.expected);
  }
}

const Locale kDot = qrtest::PinnedLocale::Dot();
const Locale kComma = qrtest::PinnedLocale::Comma();

TEST(NumericPicture, PlacesDigits) {
  ExpectAll(kDot,
            {
                {"two-decimals", "0.00", 2.5, "2.50"},
                {"leading-zeros", "000", 7, "007"},
                {"more-digits-than-placeholders", "0", 12345, "12345"},
                {"optional-digit-hidden", "#.##", 0.5, ".5"},
                {"optional-decimals-dropped", "0.##", 1, "1"},  // no decimals, no point
                {"optional-after-mandatory", "0.0#", 1.5, "1.5"},
                {"optional-used", "0.0#", 1.25, "1.25"},
                {"mandatory-zero-kept", "0.0#", 1, "1.0"},
                {"zero-with-hashes", "#", 0, ""},
                {"zero-with-zero", "#0", 0, "0"},
                {"hash-after-zero", "0#", 5, "05"},  // a '#' right of a '0' writes a digit too
                {"padded-both-sides", "00000.000", 12.5, "00012.500"},
                {"no-integer-placeholders", ".00", 12.5, "12.50"},
                {"extra-points-ignored", "0.0.0", 1.25, "1.25"},
                {"negative", "0.00", -2.5, "-2.50"},
            });
}

TEST(NumericPicture, RoundsHalfAwayFromZeroAfterFifteenDigits) {
  ExpectAll(kDot, {
                      {"half-up", "0", 2.5, "3"},
                      {"half-up-negative", "0", -2.5, "-3"},
                      {"below-half", "0", 0.4, "0"},
                      {"binary-below-half", "0.00", 2.675, "2.68"},  // 2.67499999... as a double
                      {"binary-below-half-2", "0.00", 1.005, "1.01"},
                      {"carry", "0.00", 999.999, "1000.00"},
                      {"carry-into-new-digit", "#,##0", 999.5, "1,000"},
                      {"tiny", "0.00", 1e-20, "0.00"},
                  });
}

TEST(NumericPicture, GroupsThousands) {
  ExpectAll(kDot, {
                      {"grouped", "#,##0.00", 1234567.891, "1,234,567.89"},
                      {"grouped-negative", "#,##0.00", -1234.5, "-1,234.50"},
                      {"short-number", "#,##0", 12, "12"},
                      {"comma-anywhere", "0,", 1234, "1,234"},
                      {"exactly-three", "#,##0", 123, "123"},
                      {"six-digits", "#,##0", 123456, "123,456"},
                  });
  ExpectAll(kComma, {{"locale-separators", "#,##0.00", 1234567.891, "1.234.567,89"}});
}

TEST(NumericPicture, WritesExponents) {
  ExpectAll(kDot, {
                      {"plus-sign", "0.00E+00", 1234.5, "1.23E+03"},
                      {"minus-form-positive", "0.00E-00", 1234.5, "1.23E03"},
                      {"minus-form-negative", "0.00E-00", 0.00012345, "1.23E-04"},
                      {"lower-case", "0.0e+0", 0.000015, "1.5e-5"},
                      {"two-integer-digits", "00.0E+0", 1234.5, "12.3E+2"},
                      {"zero", "0.00E+00", 0, "0.00E+00"},
                      {"negative-value", "0.00E+00", -1234.5, "-1.23E+03"},
                      {"optional-decimals", "0.###E+0", 1500, "1.5E+3"},
                      {"rounding-carries", "0.0E+0", 9.96, "1.0E+1"},
                      {"e-without-sign-is-text", "0E", 5, "5E"},
                  });
}

TEST(NumericPicture, CopiesLiterals) {
  ExpectAll(kDot, {
                      {"single-quoted", "'$'#,##0.00", 1234.5, "$1,234.50"},
                      {"double-quoted", "0.00\" kg\"", 2, "2.00 kg"},
                      {"quoted-placeholders", "0 '#0.,'", 3, "3 #0.,"},
                      {"between-digits", "0-00", 123, "1-23"},
                      {"plain-character", "0%", 5, "5%"},
                      {"quoted-semicolon", "'a;b'0", 1, "a;b1"},
                      {"unclosed-quote", "0'abc", 1, "1abc"},
                  });
}

TEST(NumericPicture, ChoosesTheSectionBySign) {
  ExpectAll(kDot, {
                      {"positive", "0.00;(0.00);'zero'", 1, "1.00"},
                      {"negative", "0.00;(0.00);'zero'", -1.5, "(1.50)"},
                      {"zero", "0.00;(0.00);'zero'", 0, "zero"},
                      {"rounds-to-zero", "0.00;(0.00);'zero'", -0.001, "zero"},
                      {"empty-negative-uses-first", "0.00;;'zero'", -1.5, "-1.50"},
                      {"no-zero-section", "0;'neg'", 0, "0"},
                      {"negative-rounding-to-zero-without-zero-section", "0.00", -0.001, "0.00"},
                      {"fourth-section-ignored", "0;-0;'z';'other'", 0, "z"},
                  });
}

TEST(NumericPicture, FallsBackToTheGeneralFloatText) {
  ExpectAll(kDot, {
                      {"empty-picture", "", 1234.5, "1234.5"},
                      {"empty-picture-large", "", 1e20, "1E20"},
                      {"empty-first-section", ";0", 2.5, "2.5"},
                      {"too-large-for-fixed", "0.00", 1e20, "1E20"},
                  });
  ExpectAll(kComma, {{"empty-picture-locale", "", 0.5, "0,5"}});
}

TEST(NumericPicture, RejectsValuesItCannotShow) {
  EXPECT_THROW(FormatNumeric("0.00", std::numeric_limits<double>::quiet_NaN(), kDot),
               NumericPictureError);
  EXPECT_THROW(FormatNumeric("0.00", std::numeric_limits<double>::infinity(), kDot),
               NumericPictureError);
}

}  // namespace
}  // namespace qr::expr
