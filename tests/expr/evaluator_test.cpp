#include "expr/evaluator.h"

#include <gtest/gtest.h>

#include "expr/element.h"
#include "expr_test_support.h"

namespace qr::expr {
namespace {

using qrtest::Case;
using qrtest::EvalToText;
using qrtest::ExpectAll;

TEST(Evaluator, AppliesPrecedenceAndReadsChainsLeftToRight) {
  ExpectAll({
      {"term-before-sum", "1 + 2 * 3", "INTEGER 7"},
      {"parentheses", "(1 + 2) * 3", "INTEGER 9"},
      {"minus-chain", "10 - 2 - 3", "INTEGER 5"},  // right side "2 - 3" read as "2 + 3"
      {"minus-then-plus", "10 - 2 + 3", "INTEGER 11"},
      {"divide-chain", "8 / 2 * 2", "FLOAT 8"},  // right side "2 * 2" read as "2 / 2"
      {"divide-divide", "16 / 2 / 2", "FLOAT 4"},
      {"no-spaces", "2*3+4", "INTEGER 10"},
      {"nested-parentheses", "((2))", "INTEGER 2"},
      {"unary-minus", "-3 * 2", "INTEGER -6"},  // (0 - 3) * 2
      {"unary-plus", "+4", "INTEGER 4"},
      {"minus-inside-parentheses-kept", "10 - (2 - 3)", "INTEGER 11"},
      {"or-binds-like-sum", "8 - 1 or 2", "INTEGER 5"},  // 8 - (1 or 2), no exchange for or
      {"and-binds-like-term", "6 and 3 + 1", "INTEGER 3"},
      {"quoted-operators-are-text", "'a+b' + '-'", "STRING a+b-"},
      {"comparison-of-sums", "1 + 1 = 2", "BOOLEAN True"},
  });
}

TEST(Evaluator, ComputesEachOperatorForEachKind) {
  ExpectAll({
      {"int-less", "1 < 2", "BOOLEAN True"},
      {"int-less-equal", "2 <= 2", "BOOLEAN True"},
      {"int-greater", "1 > 2", "BOOLEAN False"},
      {"int-greater-equal", "1 >= 2", "BOOLEAN False"},
      {"int-equal", "2 = 2", "BOOLEAN True"},
      {"int-not-equal", "2 <> 2", "BOOLEAN False"},
      {"int-minus", "2 - 5", "INTEGER -3"},
      {"int-times", "6 * 7", "INTEGER 42"},
      {"int-divide", "7 / 2", "FLOAT 3.5"},
      {"int-or", "5 or 3", "INTEGER 7"},
      {"int-and", "6 and 3", "INTEGER 2"},
      {"int-wraps", "2147483647 + 1", "INTEGER -2147483648"},
      {"float-plus", "1.5 + 2.25", "FLOAT 3.75"},
      {"float-compare", "1.5 < 1.25", "BOOLEAN False"},
      {"float-times", "1.5 * 2.0", "FLOAT 3"},
      {"float-divide", "1.0 / 4", "FLOAT 0.25"},
      {"string-less", "'abc' < 'abd'", "BOOLEAN True"},
      {"string-prefix-first", "'ab' < 'abc'", "BOOLEAN True"},
      {"string-case-sensitive", "'A' = 'a'", "BOOLEAN False"},
      {"string-equal", "'abc' = 'abc'", "BOOLEAN True"},
      {"string-not-equal", "'abc' <> 'ab'", "BOOLEAN True"},
      {"string-greater-equal", "'b' >= 'abc'", "BOOLEAN True"},
      {"string-concatenation", "'ab' + 'cd'", "STRING abcd"},
      {"boolean-equal", "TRUE = FALSE", "BOOLEAN False"},
      {"boolean-not-equal", "TRUE <> FALSE", "BOOLEAN True"},
      {"boolean-or", "FALSE or TRUE", "BOOLEAN True"},
      {"boolean-and", "TRUE and FALSE", "BOOLEAN False"},
      {"or-any-case", "FALSE OR TRUE", "BOOLEAN True"},
      {"and-any-case", "TRUE AnD TRUE", "BOOLEAN True"},
      {"not-true", "not (1 = 1)", "BOOLEAN False"},
      {"not-any-case", "NOT FALSE", "BOOLEAN True"},
  });
}

TEST(Evaluator, CoercesMixedKinds) {
  ExpectAll({
      {"int-plus-float", "1 + 2.5", "FLOAT 3.5"},
      {"float-plus-int", "2.5 + 1", "FLOAT 3.5"},
      {"int-equals-float", "2 = 2.0", "BOOLEAN True"},
      {"int-plus-string", "1 + 'a'", "STRING 1a"},
      {"boolean-plus-int", "TRUE + 1", "STRING True1"},  // both sides become text
      {"boolean-equals-string", "TRUE = 'True'", "BOOLEAN True"},
      {"float-plus-string", "0.5 + 'x'", "STRING 0.5x"},
      {"int-less-string", "10 < '9'", "BOOLEAN True"},  // compared as texts
  });
}

TEST(Evaluator, TurnsImpossibleOperationsIntoErrorValues) {
  ExpectAll({
      {"int-divide-by-zero", "7 / 0", "ERROR Cannot divide by 0"},
      {"float-divide-by-zero", "7.5 / 0.0", "ERROR Cannot divide by 0"},
      {"boolean-order", "TRUE < FALSE",
       "ERROR Operator < is not compatible with boolean expressions"},
      {"boolean-order-le", "TRUE <= FALSE",
       "ERROR Operator <= is not compatible with boolean expressions"},
      {"boolean-order-gt", "TRUE > FALSE",
       "ERROR Operator > is not compatible with boolean expressions"},
      {"boolean-order-ge", "TRUE >= FALSE",
       "ERROR Operator >= is not compatible with boolean expressions"},
      {"float-or", "1.5 or 1", "ERROR Operator OR is not compatible with numeric expressions"},
      {"float-and", "1.5 and 1", "ERROR Operator AND is not compatible with numeric expressions"},
      {"string-or", "'a' or 'b'", "ERROR Operator OR is not compatible with string expressions"},
      {"string-and", "'a' and 'b'", "ERROR Operator AND is not compatible with string expressions"},
      {"string-minus", "'a' - 'b'", "ERROR Cannot subtract string expressions"},
      {"string-times", "'a' * 'b'", "ERROR Cannot multiply string expressions"},
      {"string-divide", "'a' / 'b'", "ERROR Cannot divide string expressions"},
      {"boolean-plus", "TRUE + FALSE", "ERROR Cannot add boolean expressions"},
      {"boolean-minus", "TRUE - FALSE", "ERROR Cannot subtract boolean expressions"},
      {"boolean-times", "TRUE * FALSE", "ERROR Cannot multiply boolean expressions"},
      {"boolean-divide", "TRUE / FALSE", "ERROR Cannot divide boolean expressions"},
      {"not-number", "not 5", "ERROR Invalid use of NOT"},
      {"left-error-wins", "(1 / 0) + FOO(1)", "ERROR Cannot divide by 0"},
      {"right-error-passes", "1 + FOO(1)", "ERROR Unknown function : FOO"},
      {"error-not-coerced", "'a' + (1 / 0)", "ERROR Cannot divide by 0"},
  });
}

TEST(Evaluator, TurnsMalformedTextIntoErrorElements) {
  ExpectAll({
      {"empty-is-one-space", "", "STRING  "},
      {"unclosed-string", "'abc", "ERROR Missing '"},
      {"lone-quote", "'", "ERROR Missing '"},
      {"unclosed-parenthesis", "(1 + 2", "ERROR Missing )"},
      {"unclosed-bracket", "[abc", "ERROR Missing ]"},
      {"empty-parentheses", "()", "ERROR Error in expression : "},
      {"unknown-character", "#1", "ERROR Error in expression : #1"},
      {"sign-after-operator", "2 * -3", "ERROR Error in expression :  "},  // splits at the '-'
      // Untrimmed text: the '-' is the second character, so it splits.
      {"sign-after-space", " -3", "ERROR Error in expression :  "},
      {"sign-argument-after-space", "TYPEOF( -3)", "STRING ERROR"},
      {"sign-argument", "TYPEOF(-3)", "STRING INTEGER"},
      {"unknown-call", "FOO(1)", "ERROR Unknown function : FOO"},
      {"unknown-name", "foo", "ERROR Unknown function : FOO"},
      {"unclosed-call", "COUNT(1", "ERROR Unknown function : "},
      {"no-comparison-chain", "1 = 2 = 3",  // right side "2 = 3" is one malformed number
       "ERROR Illegal character in numeric contant \"2 = 3\""},
      {"or-needs-a-space", "2 or3", "ERROR Illegal character in numeric contant \"2 or3\""},
      {"name-starting-with-not", "nothing", "ERROR Invalid use of NOT"},  // not + HING
  });
}

TEST(Evaluator, ParsesNumbers) {
  ExpectAll({
      {"integer", "42", "INTEGER 42"},
      {"leading-zeros", "007", "INTEGER 7"},
      {"largest-integer", "2147483647", "INTEGER 2147483647"},
      {"too-large-becomes-float", "2147483648", "FLOAT 2147483648"},
      {"decimal", "2.50", "FLOAT 2.5"},
      {"exponent", "1e3", "FLOAT 1000"},
      {"exponent-upper", "15E2", "FLOAT 1500"},
      {"float-that-is-whole", "1.0", "FLOAT 1"},
      {"negative-exponent-splits", "1e-3", "ERROR Illegal character in numeric contant \"1e\""},
      {"two-points", "1.2.3", "ERROR Illegal character in numeric contant \"1.2.3\""},
      {"letter", "12a", "ERROR Illegal character in numeric contant \"12a\""},
      {"trailing-exponent", "1e", "ERROR Illegal character in numeric contant \"1e\""},
      {"out-of-range", "1e999", "ERROR Illegal character in numeric contant \"1e999\""},
  });
}

TEST(Evaluator, KeepsQuotedTextLiterally) {
  ExpectAll({
      {"doubled-quote-stays", "'it''s'", "STRING it''s"},
      {"empty-string", "''", "STRING "},
      {"spaces-kept", "'  a  '", "STRING   a  "},
  });
}

TEST(Evaluator, CutsConcatenationsAt255Bytes) {
  const std::string hundred(100, 'x');
  const std::string text = "'" + hundred + "' + '" + hundred + "' + '" + hundred + "'";
  EXPECT_EQ(EvalToText(text), "STRING " + std::string(255, 'x'));
}

TEST(Evaluator, RefusesNestingThatWouldExhaustTheStack) {
  auto chain = [](int terms) {
    std::string text = "1";
    for (int i = 1; i < terms; ++i) text += "+1";
    return text;
  };
  EXPECT_EQ(EvalToText(chain(2000)), "INTEGER 2000");
  EXPECT_EQ(EvalToText(std::string(500, '(') + "7" + std::string(500, ')')), "INTEGER 7");
  const std::string tooLong = EvalToText(chain(100000));
  EXPECT_EQ(tooLong.substr(0, 28), "ERROR Error in expression : ") << tooLong.substr(0, 60);
  const std::string tooDeep = EvalToText(std::string(5000, '(') + "7" + std::string(5000, ')'));
  EXPECT_EQ(tooDeep.substr(0, 28), "ERROR Error in expression : ") << tooDeep.substr(0, 60);
}

TEST(Evaluator, RaisesWhenNotPrepared) {
  TQREvaluator evaluator;
  try {
    evaluator.Evaluate();
    FAIL() << "no exception";
  } catch (const ExpressionError& error) {
    EXPECT_STREQ(error.what(), "Evaluator not prepared");
  }
  evaluator.Compile("1");
  evaluator.Discard();
  EXPECT_THROW(evaluator.Evaluate(), ExpressionError);
  EXPECT_THROW(evaluator.Accumulate(), ExpressionError);
}

TEST(Evaluator, CompilesOnceAndEvaluatesRepeatedly) {
  TQREvaluator evaluator;
  evaluator.Compile("2 * 21");
  EXPECT_TRUE(evaluator.Prepared());
  EXPECT_EQ(qrtest::Describe(evaluator.Evaluate()), "INTEGER 42");
  EXPECT_EQ(qrtest::Describe(evaluator.Evaluate()), "INTEGER 42");
  evaluator.Compile("'again'");  // a second Compile replaces the first list
  EXPECT_EQ(qrtest::Describe(evaluator.Evaluate()), "STRING again");
  evaluator.Discard();
  EXPECT_FALSE(evaluator.Prepared());
  EXPECT_EQ(evaluator.List(), nullptr);
}

TEST(Evaluator, WritesElementsInPrefixOrder) {
  TQREvaluator evaluator;
  evaluator.Compile("1 + 2 * 3");
  // +, 1, *, 2, 3
  ASSERT_EQ(evaluator.List()->Count(), 5u);
  evaluator.Compile("COUNT(1, 2)");
  // COUNT, 1, 2, end of arguments
  ASSERT_EQ(evaluator.List()->Count(), 4u);
  EXPECT_TRUE(evaluator.List()->At(3).IsArgumentEnd());
}

TEST(Evaluator, ReportsAggregates) {
  TQREvaluator evaluator;
  EXPECT_FALSE(evaluator.HasAggregates());
  const std::pair<const char*, bool> cases[] = {
      {"1 + 2", false},     {"COUNT", true},           {"IF(TRUE, SUM(1), 0)", true},
      {"AVERAGE(2)", true}, {"MAX(1) + MIN(1)", true}, {"UPPER('a')", false},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    evaluator.Compile(text);
    EXPECT_EQ(evaluator.HasAggregates(), expected);
  }
}

// A derived evaluator may resolve names its own way.
class CellEvaluator : public TQREvaluator {
 protected:
  void ResolveName(std::string_view name) override {
    if (name == "ANSWER")
      return Append(std::make_unique<TQREvElementConstant>(TQREvValue::Integer(42)));
    TQREvaluator::ResolveName(name);
  }
};

TEST(Evaluator, LetsDerivedEvaluatorsResolveNames) {
  CellEvaluator evaluator;
  EXPECT_EQ(qrtest::Describe(evaluator.EvaluateText("answer * 2")), "INTEGER 84");
  EXPECT_EQ(qrtest::Describe(evaluator.EvaluateText("question")),
            "ERROR Unknown function : QUESTION");
}

TEST(ValueToText, WritesEachKindAndRaisesForErrors) {
  qrtest::PinnedLocale locale(qrtest::PinnedLocale::Comma());
  EXPECT_EQ(ValueToText(TQREvValue::Integer(-12)), "-12");
  EXPECT_EQ(ValueToText(TQREvValue::Float(2.5)), "2,5");
  EXPECT_EQ(ValueToText(TQREvValue::String("abc")), "abc");
  EXPECT_EQ(ValueToText(TQREvValue::Boolean(true)), "True");
  EXPECT_EQ(ValueToText(TQREvValue::Boolean(false)), "False");
  try {
    ValueToText(TQREvValue::Error("Cannot divide by 0"));
    FAIL() << "no exception";
  } catch (const ExpressionError& error) {
    EXPECT_STREQ(error.what(), "Error in expression : Cannot divide by 0");
  }
}

TEST(TQREvValue, CopiesEachKindWhole) {
  const TQREvValue values[] = {TQREvValue::Integer(-7), TQREvValue::Float(0.1),
                               TQREvValue::String(std::string(255, 'z')), TQREvValue::Boolean(true),
                               TQREvValue::Error("bad")};
  for (const TQREvValue& value : values) {
    TQREvValue copy = TQREvValue::String("previous text");
    copy = value;
    TQREvValue constructed(value);
    for (const TQREvValue* result : {&copy, &constructed}) {
      ASSERT_EQ(result->ValueKind, value.ValueKind);
      if (value.ValueKind == EvKind::String || value.ValueKind == EvKind::Error)
        EXPECT_EQ(result->TextValue(), value.TextValue());
      else
        EXPECT_EQ(qrtest::Describe(*result), qrtest::Describe(value));
    }
  }
}

TEST(TQREvValue, CutsTextOnACharacterBoundary) {
  const std::string ascii(300, 'a');
  EXPECT_EQ(TQREvValue::String(ascii).TextValue().size(), 255u);
  // 127 two-byte characters fill 254 bytes; the 128th does not fit whole.
  std::string accented;
  for (int i = 0; i < 130; ++i) accented += "\xC3\xB3";  // ó
  const TQREvValue value = TQREvValue::String(accented);
  EXPECT_EQ(value.TextValue().size(), 254u);
  EXPECT_EQ(TQREvValue::Error(accented).TextValue().size(), 254u);
  EXPECT_EQ(CutToCharacterBoundary("a\xE2\x82\xAC", 3), "a");  // a€ cut inside the euro sign
}

}  // namespace
}  // namespace qr::expr
