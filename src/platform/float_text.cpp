#include "platform/float_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qr {
namespace {

constexpr int kSignificantDigits = 15;
// Decimal exponents (digits before the point) outside this range use exponent form.
constexpr int kLowestFixedExponent = -3;
constexpr int kHighestFixedExponent = kSignificantDigits;

// The significant digits of |value| rounded to 15 places, trailing zeros removed,
// and the position of the decimal point relative to the first digit.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;  // value = 0.d1d2d3... * 10^exponent
};

DecimalDigits ToDecimalDigits(double magnitude) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
  // buffer: d.dddddddddddddde[+-]xx
  DecimalDigits result;
  result.digits.push_back(buffer[0]);
  const char* p = buffer + 2;
  while (*p != 'e') result.digits.push_back(*p++);
  result.exponent = std::atoi(p + 1) + 1;
  while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
  return result;
}

std::string FixedForm(const DecimalDigits& d, const Locale& locale) {
  std::string text;
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent <= 0) {
    text = "0" + locale.decimalSeparator + std::string(-d.exponent, '0') + d.digits;
  } else if (digitCount <= d.exponent) {
    text = d.digits + std::string(d.exponent - digitCount, '0');
  } else {
    text = d.digits.substr(0, d.exponent) + locale.decimalSeparator + d.digits.substr(d.exponent);
  }
  return text;
}

std::string ExponentForm(const DecimalDigits& d, const Locale& locale) {
  std::string text = d.digits.substr(0, 1);
  if (d.digits.size() > 1) text += locale.decimalSeparator + d.digits.substr(1);
  return text + "E" + std::to_string(d.exponent - 1);
}

}  // namespace

std::string GeneralFloatText(double value, const Locale& locale) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";
  const DecimalDigits d = ToDecimalDigits(std::fabs(value));
  const bool fixed = d.exponent >= kLowestFixedExponent && d.exponent <= kHighestFixedExponent;
  const std::string text = fixed ? FixedForm(d, locale) : ExponentForm(d, locale);
  return value < 0 ? "-" + text : text;
}

}  // namespace qr
