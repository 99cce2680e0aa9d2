#include <gtest/gtest.h>

#include <QDate>
#include <QTime>

#include "expr/function_library.h"
#include "expr_test_support.h"

namespace qr::expr {
namespace {

using qrtest::Case;
using qrtest::EvalToText;
using qrtest::ExpectAll;

TEST(FunctionRegistry, ListsTheBuiltInsInRegistrationOrder) {
  struct Entry {
    const char* name;
    const char* description;
    const char* argCode;
  };
  const Entry expected[] = {
      {"IF", "IF(<Exp>, <X>, <Y>)|Returns <X> or <Y> depending on the boolean expression <Exp>",
       "5BVV"},
      {"STR", "STR(<X>)|Convert a numeric <X> to a string", "7N"},
      {"UPPER", "UPPER(<X>)|Converts a string to upper case letters", "7S"},
      {"LOWER", "LOWER(<X>)|Converts a string to lower case letters", "7S"},
      {"PRETTY", "PRETTY(<X>)|Makes the first character upper case and the rest lower case", "7S"},
      {"TIME", "TIME|Return current time as a string", "1"},
      {"DATE", "DATE|Return current date as a string", "1"},
      {"COPY", "COPY(<X>, <St>,<Len>)|Returns a substring of string X", "7SNN"},
      {"SUM", "SUM(<X>)|Sums the numeric <X>", "3N"},
      {"COUNT", "COUNT|Increments for each iteration", "3"},
      {"MAX", "MAX(<X>)|Returns the highest <X>", "3V"},
      {"MIN", "MIN(<X>)|Returns the lowest <X>", "3V"},
      {"AVERAGE", "AVERAGE(<X>)|Returns the average of numeric <X>", "3N"},
      {"TRUE", "TRUE|boolean value", "5"},
      {"FALSE", "FALSE|boolean value", "5"},
      {"INT", "INT(<X>)|Returns the integer part of <X>", "2N"},
      {"FRAC", "FRAC(<X>)|Returns the fractional part of <X>", "2N"},
      {"SQRT", "SQRT(<X>)|Returns square root of <X>", "2N"},
      {"DIV", "DIV(<X>, <Y>) | Integer division of <X> by <Y>", "2NN"},
      {"TYPEOF", "TYPEOF(<Exp>)|Returns the data type of <Exp>", "6N"},
      {"FORMATNUMERIC", "FORMATNUMERIC(<F>,<N>)|Formats numeric <N> using the mask in <F>", "7SN"},
  };
  const TQRFunctionLibrary& registry = FunctionRegistry();
  ASSERT_GE(registry.EntryCount(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].name);
    const TQRLibraryEntry& entry = registry.EntryAt(i);
    EXPECT_EQ(entry.Name, expected[i].name);
    EXPECT_EQ(entry.Description, expected[i].description);
    EXPECT_EQ(entry.ArgCode, expected[i].argCode);
    EXPECT_EQ(entry.Author, kBuiltInAuthor);
    const bool aggregate = entry.Name == "SUM" || entry.Name == "COUNT" || entry.Name == "MAX" ||
                           entry.Name == "MIN" || entry.Name == "AVERAGE";
    EXPECT_EQ(entry.ElementClass()->IsAggregate(), aggregate);
  }
}

TEST(FunctionRegistry, CreatesElementsByNameInAnyCase) {
  const TQRFunctionLibrary& registry = FunctionRegistry();
  EXPECT_NE(dynamic_cast<TQREvElementFunction*>(registry.CreateElement("sqrt").get()), nullptr);
  const std::unique_ptr<TQREvElement> unknown = registry.CreateElement("NOPE");
  auto* error = dynamic_cast<TQREvElementError*>(unknown.get());
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->Message(), "Unknown function : NOPE");
}

TEST(FunctionRegistry, TakesFunctionsAddedLater) {
  struct Answer : TQREvElementFunction {
    TQREvValue ComputeResult() override { return TQREvValue::Integer(42); }
  };
  AddLibraryFunction(NewFunctionElement<Answer>, "ANSWER", "ANSWER|The answer", "tests", "7");
  EXPECT_EQ(FunctionRegistry().EntryAt(FunctionRegistry().EntryCount() - 1).Name, "ANSWER");
  EXPECT_EQ(EvalToText("answer + 1"), "INTEGER 43");
}

TEST(Functions, LogicalFunctions) {
  ExpectAll({
      {"true", "TRUE", "BOOLEAN True"},
      {"false-lower-case", "false", "BOOLEAN False"},
      {"true-empty-parentheses", "TRUE()", "BOOLEAN True"},
      {"true-with-argument", "TRUE(1)", "ERROR Too many arguments"},
      {"false-with-argument", "FALSE(1)", "ERROR Too many arguments"},
      {"if-true", "IF(TRUE, 1, 'x')", "INTEGER 1"},
      {"if-false", "IF(1 > 2, 1, 'x')", "STRING x"},
      {"if-keeps-error-branch", "IF(TRUE, 1 / 0, 2)", "ERROR Cannot divide by 0"},
      {"if-not-boolean", "IF(1, 'a', 'b')", "ERROR Wrong arguments for IF"},
      {"if-two-arguments", "IF(TRUE, 1)", "ERROR Wrong arguments for IF"},
      {"if-nested-commas", "IF(TRUE, COPY('a,b', 1, 3), 'c')", "STRING a,b"},
      {"typeof-integer", "TYPEOF(1)", "STRING INTEGER"},
      {"typeof-float", "TYPEOF(1.0)", "STRING FLOAT"},
      {"typeof-string", "TYPEOF('1')", "STRING STRING"},
      {"typeof-boolean", "TYPEOF(TRUE)", "STRING BOOLEAN"},
      {"typeof-error", "TYPEOF(1 / 0)", "STRING ERROR"},
      {"typeof-no-argument", "TYPEOF()", "ERROR Wrong arguments for TypeOf"},
      {"empty-argument", "TYPEOF(1,,2)", "ERROR Wrong arguments for TypeOf"},
  });
}

TEST(Functions, MathFunctions) {
  ExpectAll({
      {"int-of-integer", "INT(5)", "INTEGER 5"},
      {"int-truncates", "INT(-2.7)", "INTEGER -2"},
      {"int-positive", "INT(2.7)", "INTEGER 2"},
      {"int-wraps-to-32-bits", "INT(4294967297.5)", "INTEGER 1"},
      {"int-too-large", "INT(1e300)", "ERROR Wrong arguments for INT"},
      {"int-string", "INT('2')", "ERROR Wrong arguments for INT"},
      {"int-two-arguments", "INT(1, 2)", "ERROR Wrong arguments for INT"},
      {"frac-float", "FRAC(-2.5)", "FLOAT -0.5"},
      {"frac-integer", "FRAC(3)", "FLOAT 0"},
      {"frac-string", "FRAC('a')", "ERROR "},
      {"sqrt-integer", "SQRT(4)", "FLOAT 2"},
      {"sqrt-float", "SQRT(2.25)", "FLOAT 1.5"},
      {"sqrt-negative", "SQRT(-1)", "ERROR Invalid argument to SQRT function"},
      {"sqrt-string", "SQRT('4')", "ERROR Invalid argument to SQRT function"},
      {"sqrt-no-argument", "SQRT", "ERROR Invalid argument to SQRT function"},
      {"div", "DIV(7, 2)", "INTEGER 3"},
      {"div-negative", "DIV(-7, 2)", "INTEGER -3"},           // toward zero
      {"div-half-up-to-even", "DIV(7.5, 2)", "INTEGER 4"},    // 7.5 becomes 8
      {"div-half-down-to-even", "DIV(6.5, 2)", "INTEGER 3"},  // 6.5 becomes 6
      {"div-divisor-rounded", "DIV(9, 2.6)", "INTEGER 3"},
      {"div-by-zero", "DIV(1, 0)", "ERROR Division by Zero"},
      {"div-by-rounded-zero", "DIV(1, 0.4)", "ERROR Division by Zero"},
      {"div-smallest-by-minus-one", "DIV(-2147483647 - 1,-1)", "INTEGER -2147483648"},
      {"div-string", "DIV('7', 2)", "ERROR Wrong arguments for DIV"},
      {"div-one-argument", "DIV(7)", "ERROR Wrong arguments for DIV"},
  });
}

TEST(Functions, TextFunctions) {
  ExpectAll({
      {"str-integer", "STR(12)", "STRING 12"},
      {"str-float", "STR(0.5)", "STRING 0.5"},
      {"str-boolean", "STR(TRUE)", "STRING True"},
      {"str-string", "STR('a')", "ERROR Conversion error"},
      {"str-error", "STR(1 / 0)", "ERROR Conversion error"},
      {"str-no-argument", "STR()", "ERROR Conversion error"},
      {"upper", "UPPER('código')", "STRING CÓDIGO"},
      {"lower", "LOWER('CÓDIGO')", "STRING código"},
      {"upper-number", "UPPER(1)", "ERROR "},
      {"upper-error-passes", "UPPER(1 / 0)", "ERROR Cannot divide by 0"},
      {"upper-no-argument", "UPPER()", "ERROR Missing argument for UPPER"},
      {"lower-two-arguments", "LOWER('a', 'b')", "ERROR Missing argument for LOWER"},
      {"pretty", "PRETTY('hELLO wORLD')", "STRING Hello world"},
      {"pretty-accented-first", "PRETTY('ÓSCAR')", "STRING Óscar"},
      {"pretty-empty", "PRETTY('')", "STRING "},
      {"pretty-no-argument", "PRETTY", "ERROR Missing argument for PRETTY"},
      {"copy", "COPY('abcdef', 2, 3)", "STRING bcd"},
      {"copy-start-zero", "COPY('abc', 0, 2)", "STRING ab"},
      {"copy-past-end", "COPY('abc', 5, 2)", "STRING "},
      {"copy-long-length", "COPY('abc', 2, 99)", "STRING bc"},
      {"copy-negative-length", "COPY('abc', 1,-1)", "STRING "},
      {"copy-counts-characters", "COPY('añob', 2, 2)", "STRING ño"},
      {"copy-float-start", "COPY('abc', 2.0, 1)", "ERROR "},
      {"copy-two-arguments", "COPY('abc', 2)", "ERROR "},
      {"formatnumeric", "FORMATNUMERIC('0.00', 2.5)", "STRING 2.50"},
      {"formatnumeric-integer", "FORMATNUMERIC('#,##0', 1234567)", "STRING 1,234,567"},
      {"formatnumeric-empty-picture", "FORMATNUMERIC('', 0.25)", "STRING 0.25"},
      {"formatnumeric-string-value", "FORMATNUMERIC('0', '1')", "ERROR "},
      {"formatnumeric-swapped", "FORMATNUMERIC(1, '0')", "ERROR "},
  });
}

TEST(Functions, FormatNumericFailsForValuesItCannotShow) {
  qrtest::PinnedLocale locale(qrtest::PinnedLocale::Dot());
  // 1e308 * 10 overflows to infinity.
  EXPECT_EQ(EvalToText("FORMATNUMERIC('0.00', 1e308 * 10)"),
            "ERROR Invalid format or value specified");
}

TEST(Functions, UseTheLocaleForSeparatorsDatesAndTimes) {
  qrtest::PinnedLocale locale(qrtest::PinnedLocale::Comma());
  EXPECT_EQ(EvalToText("STR(0.5)"), "STRING 0,5");
  EXPECT_EQ(EvalToText("FORMATNUMERIC('0.00', 2.5)"), "STRING 2,50");
  const QDate before = QDate::currentDate();
  const std::string date = EvalToText("DATE");
  const QDate after = QDate::currentDate();
  EXPECT_TRUE(date == "STRING " + before.toString("dd/MM/yyyy").toStdString() ||
              date == "STRING " + after.toString("dd/MM/yyyy").toStdString())
      << date;
  const std::string time = EvalToText("TIME");
  const QTime parsed = QTime::fromString(QString::fromStdString(time.substr(7)), "HH:mm:ss");
  EXPECT_TRUE(parsed.isValid()) << time;
  EXPECT_LE(std::abs(parsed.secsTo(QTime::currentTime())), 2) << time;
  EXPECT_EQ(EvalToText("DATE(1)"), "ERROR ");
  EXPECT_EQ(EvalToText("TIME(1)"), "ERROR ");
}

}  // namespace
}  // namespace qr::expr
