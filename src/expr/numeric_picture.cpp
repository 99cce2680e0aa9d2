#include "expr/numeric_picture.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/float_text.h"

namespace qr::expr {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaxSections = 3;
constexpr int kMaxExponentDigits = 4;
// Fixed pictures cannot show more integer digits than this sensibly.
constexpr double kLargestFixedMagnitude = 1e18;

enum class TokenKind { Zero, Hash, Point, Comma, Exponent, Literal };

struct Token {
  TokenKind kind;
  std::string_view text;  // the literal, or the exponent's letter and sign
  int exponentDigits = 0;
};

struct Layout {
  int integerPlaceholders = 0;
  int minimumIntegerDigits = 0;
  int decimalPlaceholders = 0;
  int mandatoryDecimals = 0;
  bool grouping = false;
  bool scientific = false;
};

// A magnitude as 0.d1d2d3... x 10^exponent; no digits for zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

std::vector<std::string_view> SplitSections(std::string_view picture) {
  std::vector<std::string_view> sections;
  char quote = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(picture.substr(start, i - start));
      start = i + 1;
      if (sections.size() == kMaxSections) return sections;
    }
  }
  sections.push_back(picture.substr(start));
  return sections;
}

std::vector<Token> Tokenize(std::string_view section) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < section.size()) {
    const char c = section[i];
    if (c == '\'' || c == '"') {
      const std::size_t close = section.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? section.size() : close;
      tokens.push_back({TokenKind::Literal, section.substr(i + 1, end - i - 1)});
      i = end + 1;
    } else if ((c == 'E' || c == 'e') && i + 1 < section.size() &&
               (section[i + 1] == '+' || section[i + 1] == '-')) {
      Token token{TokenKind::Exponent, section.substr(i, 2)};
      i += 2;
      while (i < section.size() && section[i] == '0' && token.exponentDigits < kMaxExponentDigits) {
        ++token.exponentDigits;
        ++i;
      }
      tokens.push_back(token);
    } else {
      const TokenKind kind = c == '0'   ? TokenKind::Zero
                             : c == '#' ? TokenKind::Hash
                             : c == '.' ? TokenKind::Point
                             : c == ',' ? TokenKind::Comma
                                        : TokenKind::Literal;
      tokens.push_back({kind, section.substr(i, 1)});
      ++i;
    }
  }
  return tokens;
}

Layout ScanLayout(const std::vector<Token>& tokens) {
  Layout layout;
  bool afterPoint = false;
  int firstIntegerZero = -1;
  for (const Token& token : tokens) {
    if (layout.scientific) break;  // placeholders after the exponent are not digits
    switch (token.kind) {
      case TokenKind::Zero:
      case TokenKind::Hash:
        if (afterPoint) {
          ++layout.decimalPlaceholders;
          if (token.kind == TokenKind::Zero) layout.mandatoryDecimals = layout.decimalPlaceholders;
        } else {
          if (token.kind == TokenKind::Zero && firstIntegerZero < 0)
            firstIntegerZero = layout.integerPlaceholders;
          ++layout.integerPlaceholders;
        }
        break;
      case TokenKind::Point:
        afterPoint = true;
        break;
      case TokenKind::Comma:
        layout.grouping = true;
        break;
      case TokenKind::Exponent:
        layout.scientific = true;
        break;
      case TokenKind::Literal:
        break;
    }
  }
  if (firstIntegerZero >= 0)
    layout.minimumIntegerDigits = layout.integerPlaceholders - firstIntegerZero;
  return layout;
}

Decimal ToDecimal(double magnitude) {
  Decimal result;
  if (magnitude == 0) return result;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, magnitude);
  // buffer: d.dddddddddddddde[+-]xx
  result.digits.push_back(buffer[0]);
  const char* p = buffer + 2;
  while (*p != 'e') result.digits.push_back(*p++);
  result.exponent = std::atoi(p + 1) + 1;
  while (!result.digits.empty() && result.digits.back() == '0') result.digits.pop_back();
  return result;
}

// Keeps the first `keep` digits, rounding half away from zero.
void RoundToDigitCount(Decimal& decimal, int keep) {
  if (keep >= static_cast<int>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal = {};
    return;
  }
  const bool roundUp = decimal.digits[keep] >= '5';
  decimal.digits.resize(keep);
  if (roundUp) {
    int i = keep - 1;
    while (i >= 0 && decimal.digits[i] == '9') decimal.digits[i--] = '0';
    if (i >= 0) {
      ++decimal.digits[i];
    } else {
      decimal.digits.insert(decimal.digits.begin(), '1');
      ++decimal.exponent;
    }
  }
  while (!decimal.digits.empty() && decimal.digits.back() == '0') decimal.digits.pop_back();
  if (decimal.digits.empty()) decimal.exponent = 0;
}

Decimal Rounded(double magnitude, const Layout& layout) {
  Decimal decimal = ToDecimal(magnitude);
  if (layout.scientific) {
    RoundToDigitCount(decimal,
                      std::max(1, layout.integerPlaceholders + layout.decimalPlaceholders));
  } else {
    RoundToDigitCount(decimal, decimal.exponent + layout.decimalPlaceholders);
  }
  return decimal;
}

char DigitAt(const Decimal& decimal, int index) {
  return index >= 0 && index < static_cast<int>(decimal.digits.size()) ? decimal.digits[index]
                                                                       : '0';
}

// The digits a section writes: integer digits (padded to the minimum), the
// fraction digits (trailing optional zeros removed) and the exponent.
struct Parts {
  std::string integerDigits;
  std::string fractionDigits;
  int exponent = 0;
};

Parts SplitDigits(const Decimal& decimal, const Layout& layout) {
  Parts parts;
  const int integerCount = layout.scientific        ? layout.integerPlaceholders
                           : decimal.digits.empty() ? 0
                                                    : std::max(0, decimal.exponent);
  const int fractionStart = layout.scientific ? layout.integerPlaceholders : decimal.exponent;
  for (int i = 0; i < integerCount; ++i) parts.integerDigits.push_back(DigitAt(decimal, i));
  for (int i = 0; i < layout.decimalPlaceholders; ++i)
    parts.fractionDigits.push_back(DigitAt(decimal, fractionStart + i));
  if (static_cast<int>(parts.integerDigits.size()) < layout.minimumIntegerDigits)
    parts.integerDigits.insert(0, layout.minimumIntegerDigits - parts.integerDigits.size(), '0');
  while (static_cast<int>(parts.fractionDigits.size()) > layout.mandatoryDecimals &&
         parts.fractionDigits.back() == '0')
    parts.fractionDigits.pop_back();
  if (layout.scientific && !decimal.digits.empty())
    parts.exponent = decimal.exponent - layout.integerPlaceholders;
  return parts;
}

class SectionWriter {
 public:
  SectionWriter(const Parts& parts, const Layout& layout, const Locale& locale)
      : parts_(parts), layout_(layout), locale_(locale) {}

  std::string Write(const std::vector<Token>& tokens) {
    for (const Token& token : tokens) WriteToken(token);
    return std::move(out_);
  }

 private:
  void WriteToken(const Token& token) {
    switch (token.kind) {
      case TokenKind::Zero:
      case TokenKind::Hash:
        WritePlaceholder();
        break;
      case TokenKind::Point:
        WritePoint();
        break;
      case TokenKind::Comma:
        break;
      case TokenKind::Exponent:
        WriteExponent(token);
        break;
      case TokenKind::Literal:
        out_.append(token.text);
        break;
    }
  }

  void WritePlaceholder() {
    if (afterExponent_) return;
    if (afterPoint_) {
      if (fractionIndex_ < static_cast<int>(parts_.fractionDigits.size()))
        out_.push_back(parts_.fractionDigits[fractionIndex_]);
      ++fractionIndex_;
      return;
    }
    // Digits beyond the placeholders go before the first one.
    const int extra = static_cast<int>(parts_.integerDigits.size()) - layout_.integerPlaceholders;
    if (integerIndex_ == 0)
      for (int i = 0; i < extra; ++i) WriteIntegerDigit(i);
    const int index = extra + integerIndex_;
    if (index >= 0) WriteIntegerDigit(index);
    ++integerIndex_;
  }

  void WriteIntegerDigit(int index) {
    out_.push_back(parts_.integerDigits[index]);
    const int remaining = static_cast<int>(parts_.integerDigits.size()) - 1 - index;
    if (layout_.grouping && !layout_.scientific && remaining > 0 && remaining % 3 == 0)
      out_.append(locale_.thousandSeparator);
  }

  void WritePoint() {
    if (afterPoint_ || afterExponent_) return;
    // A picture without integer placeholders still shows the integer digits.
    if (layout_.integerPlaceholders == 0)
      for (int i = 0; i < static_cast<int>(parts_.integerDigits.size()); ++i) WriteIntegerDigit(i);
    afterPoint_ = true;
    if (!parts_.fractionDigits.empty()) out_.append(locale_.decimalSeparator);
  }

  void WriteExponent(const Token& token) {
    if (afterExponent_) return;
    afterExponent_ = true;
    out_.push_back(token.text[0]);
    if (parts_.exponent < 0 || token.text[1] == '+')
      out_.push_back(parts_.exponent < 0 ? '-' : '+');
    std::string digits = std::to_string(std::abs(parts_.exponent));
    if (static_cast<int>(digits.size()) < token.exponentDigits)
      digits.insert(0, token.exponentDigits - digits.size(), '0');
    out_.append(digits);
  }

  const Parts& parts_;
  const Layout& layout_;
  const Locale& locale_;
  std::string out_;
  int integerIndex_ = 0;
  int fractionIndex_ = 0;
  bool afterPoint_ = false;
  bool afterExponent_ = false;
};

std::string WriteSection(std::string_view section, double magnitude, const Locale& locale) {
  const std::vector<Token> tokens = Tokenize(section);
  const Layout layout = ScanLayout(tokens);
  const Parts parts = SplitDigits(Rounded(magnitude, layout), layout);
  return SectionWriter(parts, layout, locale).Write(tokens);
}

bool RoundsToZero(std::string_view section, double magnitude) {
  return Rounded(magnitude, ScanLayout(Tokenize(section))).digits.empty();
}

bool IsFixed(std::string_view section) {
  return !ScanLayout(Tokenize(section)).scientific;
}

}  // namespace

std::string FormatNumeric(std::string_view picture, double value, const Locale& locale) {
  if (picture.empty()) return GeneralFloatText(value, locale);
  if (!std::isfinite(value)) throw NumericPictureError("the value is not a finite number");
  const std::vector<std::string_view> sections = SplitSections(picture);
  const double magnitude = std::fabs(value);
  enum { kPositive, kNegative, kZero };
  int chosen = RoundsToZero(sections[kPositive], magnitude) ? kZero
               : value < 0                                  ? kNegative
                                                            : kPositive;
  std::string sign;
  if (chosen >= static_cast<int>(sections.size()) || sections[chosen].empty()) {
    if (chosen == kNegative) sign = "-";
    chosen = kPositive;
  }
  const std::string_view section = sections[chosen];
  if (section.empty() || (IsFixed(section) && magnitude >= kLargestFixedMagnitude))
    return GeneralFloatText(value, locale);
  return sign + WriteSection(section, magnitude, locale);
}

}  // namespace qr::expr
