#include "expr/operator_scanner.h"

#include <gtest/gtest.h>

namespace qr::expr {
namespace {

// "code@offset+width", or "none".
std::string Found(std::string_view text, OperatorLevel level) {
  const std::optional<OperatorMatch> match = FindOperator(text, level);
  if (!match) return "none";
  return std::to_string(static_cast<int>(match->code)) + "@" + std::to_string(match->offset) + "+" +
         std::to_string(match->width);
}

TEST(OperatorScanner, FindsTheLeftmostOperatorOfALevel) {
  struct Case {
    const char* name;
    const char* text;
    OperatorLevel level;
    const char* expected;
  };
  using L = OperatorLevel;
  const Case cases[] = {
      {"less", "a<b", L::Comparison, "0@1+1"},
      {"less-equal", "a<=b", L::Comparison, "1@1+2"},
      {"greater", "a>b", L::Comparison, "2@1+1"},
      {"greater-equal", "a>=b", L::Comparison, "3@1+2"},
      {"equal", "a=b", L::Comparison, "4@1+1"},
      {"not-equal", "a<>b", L::Comparison, "5@1+2"},
      {"leftmost-comparison", "a=b<c", L::Comparison, "4@1+1"},
      {"plus", "a+b", L::Sum, "6@1+1"},
      {"minus", "a-b", L::Sum, "7@1+1"},
      {"or-starts-at-the-o", "a or b", L::Sum, "8@2+2"},
      {"or-any-case", "a OR b", L::Sum, "8@2+2"},
      {"or-needs-space-after", "a orb", L::Sum, "none"},
      {"or-needs-space-before", "aor b", L::Sum, "none"},
      {"leftmost-of-level", "a or b+c", L::Sum, "8@2+2"},  // not ranked within a level
      {"times", "a*b", L::Term, "9@1+1"},
      {"divide", "a/b", L::Term, "10@1+1"},
      {"and", "a and b", L::Term, "11@2+3"},
      {"first-character-never-splits", "-a", L::Sum, "none"},
      {"second-character-splits", " -a", L::Sum, "7@1+1"},
      {"last-character-never-splits", "a-", L::Sum, "none"},
      {"inside-quotes", "'a+b'", L::Sum, "none"},
      {"after-quotes", "'a+b'+c", L::Sum, "6@5+1"},
      {"inside-parentheses", "(a+b)", L::Sum, "none"},
      {"after-parentheses", "(a+b)-c", L::Sum, "7@5+1"},
      {"inside-brackets", "[a-b]", L::Sum, "none"},
      {"quote-inside-brackets-ignored", "[a'b]+c", L::Sum, "6@5+1"},
      {"parenthesis-inside-quotes-ignored", "'('+a", L::Sum, "6@3+1"},
      {"unbalanced-close", "a)+b", L::Sum, "none"},
      {"other-level-only", "a*b", L::Sum, "none"},
      {"empty", "", L::Sum, "none"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.text);
    EXPECT_EQ(Found(c.text, c.level), c.expected);
  }
}

TEST(OperatorScanner, ExchangesSignsOutsideQuotesAndParentheses) {
  struct Case {
    const char* text;
    char x;
    char y;
    const char* expected;
  };
  const Case cases[] = {
      {" 2 - 3", '+', '-', " 2 + 3"},   {"a+b-c", '+', '-', "a-b+c"},
      {"(a-b)+c", '+', '-', "(a-b)-c"}, {"'a-b'-c", '+', '-', "'a-b'+c"},
      {"[a-b]-c", '+', '-', "[a+b]+c"},  // brackets are not tracked here
      {"2 * 2", '*', '/', "2 / 2"},     {"a/b*(c/d)", '*', '/', "a*b/(c/d)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ExchangeSigns(c.text, c.x, c.y), c.expected);
  }
}

TEST(OperatorScanner, FindsArgumentSeparators) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"1, 2", 1},
      {"'a,b', 2", 5},
      {"F(1, 2), 3", 7},
      {"[a,b]", 2},                    // brackets are not tracked here
      {"1,", std::string_view::npos},  // never the last character
      {"1", std::string_view::npos},
      {"", std::string_view::npos},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(FindArgumentSeparator(text), expected);
  }
}

TEST(OperatorScanner, TrimsOnlySpaces) {
  EXPECT_EQ(TrimSpaces("  a b  "), "a b");
  EXPECT_EQ(TrimSpaces("   "), " ");
  EXPECT_EQ(TrimSpaces(""), "");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
}

}  // namespace
}  // namespace qr::expr
