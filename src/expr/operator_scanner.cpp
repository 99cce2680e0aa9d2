#include "expr/operator_scanner.h"

#include "expr/text_case.h"

namespace qr::expr {
namespace {

// What encloses the scan position: quotes, parentheses and brackets. Inside
// brackets quotes and parentheses do not count; inside quotes nothing else does.
struct Nesting {
  bool inQuote = false;
  bool inBracket = false;
  int depth = 0;

  void Step(char c) {
    switch (c) {
      case '\'':
        if (!inBracket) inQuote = !inQuote;
        break;
      case '(':
        if (!inQuote && !inBracket) ++depth;
        break;
      case ')':
        if (!inQuote && !inBracket) --depth;
        break;
      case '[':
        if (!inQuote) inBracket = true;
        break;
      case ']':
        if (!inQuote) inBracket = false;
        break;
    }
  }
  bool AtTopLevel() const { return depth == 0 && !inQuote && !inBracket; }
};

std::optional<OperatorMatch> ComparisonAt(std::string_view text, std::size_t i) {
  const char next = text[i + 1];
  switch (text[i]) {
    case '<':
      if (next == '>') return OperatorMatch{i, 2, OperatorCode::NotEqual};
      if (next == '=') return OperatorMatch{i, 2, OperatorCode::LessOrEqual};
      return OperatorMatch{i, 1, OperatorCode::Less};
    case '=':
      return OperatorMatch{i, 1, OperatorCode::Equal};
    case '>':
      if (next == '=') return OperatorMatch{i, 2, OperatorCode::GreaterOrEqual};
      return OperatorMatch{i, 1, OperatorCode::Greater};
    default:
      return std::nullopt;
  }
}

// A word operator: a space, then the word and a space, in any case.
bool WordAt(std::string_view text, std::size_t i, std::string_view wordAndSpace) {
  return text[i] == ' ' && StartsWithIgnoringCase(text.substr(i + 1), wordAndSpace);
}

std::optional<OperatorMatch> SumAt(std::string_view text, std::size_t i) {
  if (WordAt(text, i, "or ")) return OperatorMatch{i + 1, 2, OperatorCode::Or};
  if (text[i] == '+') return OperatorMatch{i, 1, OperatorCode::Plus};
  if (text[i] == '-') return OperatorMatch{i, 1, OperatorCode::Minus};
  return std::nullopt;
}

std::optional<OperatorMatch> TermAt(std::string_view text, std::size_t i) {
  if (WordAt(text, i, "and ")) return OperatorMatch{i + 1, 3, OperatorCode::And};
  if (text[i] == '*') return OperatorMatch{i, 1, OperatorCode::Multiply};
  if (text[i] == '/') return OperatorMatch{i, 1, OperatorCode::Divide};
  return std::nullopt;
}

std::optional<OperatorMatch> OperatorAt(std::string_view text, std::size_t i, OperatorLevel level) {
  switch (level) {
    case OperatorLevel::Comparison:
      return ComparisonAt(text, i);
    case OperatorLevel::Sum:
      return SumAt(text, i);
    default:
      return TermAt(text, i);
  }
}

}  // namespace

std::optional<OperatorMatch> FindOperator(std::string_view text, OperatorLevel level) {
  Nesting nesting;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    nesting.Step(text[i]);
    if (i == 0 || !nesting.AtTopLevel()) continue;
    if (const std::optional<OperatorMatch> match = OperatorAt(text, i, level)) return match;
  }
  return std::nullopt;
}

std::string ExchangeSigns(std::string_view text, char x, char y) {
  std::string result(text);
  bool inQuote = false;
  int depth = 0;
  for (char& c : result) {
    if (c == '\'') inQuote = !inQuote;
    if (inQuote) continue;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (depth != 0) continue;
    if (c == x) {
      c = y;
    } else if (c == y) {
      c = x;
    }
  }
  return result;
}

std::size_t FindArgumentSeparator(std::string_view text) {
  bool inQuote = false;
  int depth = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'') inQuote = !inQuote;
    if (inQuote) continue;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth == 0) return i;
  }
  return std::string_view::npos;
}

std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return text.substr(0, 1);
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace qr::expr
