#include "plugin/range_literals.h"

#include <gtest/gtest.h>

namespace rep {
namespace {

TEST(RangeKeyFilter, FiltersTypedCharactersBySelectionKind) {
  struct Case {
    int kind;
    char16_t typed;
    std::optional<char16_t> entered;
  };
  const Case cases[] = {
      {1, u'7', u'7'}, {1, u'a', std::nullopt}, {1, u'\'', std::nullopt}, {1, u'-', std::nullopt},
      {2, u'b', u'B'}, {2, u'Z', u'Z'},         {2, u'ñ', u'ñ'},          {2, u'\'', u'\''},
      {3, u'b', u'b'}, {3, u';', u';'},         {4, u'x', std::nullopt},  {7, u'3', u'3'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << static_cast<int>(c.typed));
    const std::optional<QChar> entered = FilterRangeKey(c.kind, QChar(c.typed));
    ASSERT_EQ(entered.has_value(), c.entered.has_value());
    if (entered) {
      EXPECT_EQ(entered->unicode(), *c.entered);
    }
  }
}

TEST(RangeKeyFilter, WholeTextsPassOnlyWhenEveryCharacterWould) {
  EXPECT_EQ(FilterRangeText(1, "12345"), QString("12345"));
  EXPECT_EQ(FilterRangeText(1, ""), QString(""));
  EXPECT_FALSE(FilterRangeText(1, "1 or 1=1").has_value());
  EXPECT_FALSE(FilterRangeText(1, "100; DROP TABLE Mnlus").has_value());
  EXPECT_EQ(FilterRangeText(2, "b"), QString("B"));
  EXPECT_FALSE(FilterRangeText(2, "AB").has_value());  // the box holds one character
  EXPECT_EQ(FilterRangeText(3, "x' or '1'='1"), QString("x' or '1'='1"));
}

TEST(RangeLiterals, QuoteTextKindsAndDoubleQuotesInside) {
  EXPECT_EQ(StartLiteral(2, "A"), "'A'");
  EXPECT_EQ(EndLiteral(2, "C"), "'C'");
  EXPECT_EQ(EndLiteral(2, "CX"), "'C'");  // the end ends at its first character
  EXPECT_EQ(EndLiteral(2, ""), "''");
  EXPECT_EQ(StartLiteral(2, "'"), "''''");
  EXPECT_EQ(StartLiteral(3, "x' or '1'='1"), "'x'' or ''1''=''1'");
  EXPECT_EQ(EndLiteral(3, "7509"), "'7509'");
  EXPECT_EQ(StartLiteral(1, "100"), "100");
  EXPECT_EQ(EndLiteral(1, "250"), "250");
  EXPECT_EQ(PositionLiteral(0), "1");
  EXPECT_EQ(PositionLiteral(4), "5");
}

}  // namespace
}  // namespace rep
