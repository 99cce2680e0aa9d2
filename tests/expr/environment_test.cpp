#include "expr/environment.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include "expr_test_support.h"

namespace qr::expr {
namespace {

using qrtest::Describe;

// The report's environment as a report definition stores it.
class EnvironmentTest : public testing::Test {
 protected:
  EnvironmentTest() {
    environment_.Define("PAGENUMBER", "0");
    environment_.Define("COLUMNNUMBER", "0");
    environment_.Define("REPORTTITLE", "''");
  }

  std::string Eval(const char* text) {
    TQREvaluator evaluator;
    evaluator.SetEnvironment(&environment_);
    return Describe(evaluator.EvaluateText(text));
  }

  qrtest::PinnedLocale locale_{qrtest::PinnedLocale::Dot()};
  TQREvEnvironment environment_;
};

TEST_F(EnvironmentTest, KeepsEntriesInDefinitionOrderUnderUpperCaseNames) {
  environment_.Define("extra", "1 + 1");
  environment_.Define("PageNumber", "99");  // an existing entry keeps its expression
  ASSERT_EQ(environment_.Count(), 4u);
  EXPECT_EQ(environment_.NameAt(0), "PAGENUMBER");
  EXPECT_EQ(environment_.NameAt(3), "EXTRA");
  EXPECT_EQ(environment_.EntryAt(0).Expression(), "0");
  environment_.Remove("columnnumber");
  environment_.Remove("absent");
  ASSERT_EQ(environment_.Count(), 3u);
  EXPECT_EQ(environment_.NameAt(1), "REPORTTITLE");
}

TEST_F(EnvironmentTest, EvaluatesEntriesThroughExpressions) {
  environment_.Define("Twice", "PAGENUMBER * 2 + 1");
  environment_.Activate();
  EXPECT_EQ(Eval("pagenumber"), "INTEGER 0");
  EXPECT_EQ(Eval("Twice + 1"), "INTEGER 2");
  EXPECT_EQ(Eval("[Twice]"), "INTEGER 1");
  EXPECT_EQ(Eval("Missing"), "ERROR Unknown function : MISSING");
  EXPECT_EQ(Describe(environment_.ValueOf("twice")), "INTEGER 1");
  EXPECT_EQ(Describe(environment_.ValueOf("missing")), "ERROR ");
  environment_.Deactivate();
}

TEST_F(EnvironmentTest, RewritesConstantsWithoutCompilingAgain) {
  environment_.Activate();
  TQREvaluator evaluator;
  evaluator.SetEnvironment(&environment_);
  evaluator.Compile("'Page ' + STR(PAGENUMBER) + ' of ' + REPORTTITLE");
  TQREvElement* page = environment_.ConstantElement("PageNumber");
  TQREvElement* title = environment_.ConstantElement("REPORTTITLE");
  ASSERT_NE(dynamic_cast<TQREvElementConstant*>(page), nullptr);
  ASSERT_NE(dynamic_cast<TQREvElementString*>(title), nullptr);
  TQREvEnvironment::AssignText(title, "Lista");
  TQREvEnvironment::AssignInteger(page, 3);
  EXPECT_EQ(Describe(evaluator.Evaluate()), "STRING Page 3 of Lista");
  TQREvEnvironment::AssignValue(page, TQREvValue::Float(4.5));
  TQREvEnvironment::AssignValue(title, TQREvValue::String("Precios"));
  EXPECT_EQ(Describe(evaluator.Evaluate()), "STRING Page 4.5 of Precios");
  // Elements of another class, a non-string value and no element are ignored.
  TQREvEnvironment::AssignText(page, "text");
  TQREvEnvironment::AssignInteger(title, 1);
  TQREvEnvironment::AssignValue(title, TQREvValue::Integer(1));
  TQREvEnvironment::AssignInteger(nullptr, 1);
  EXPECT_EQ(Describe(evaluator.Evaluate()), "STRING Page 4.5 of Precios");
  evaluator.Discard();
  environment_.Deactivate();
}

TEST_F(EnvironmentTest, GivesNoConstantForAbsentOrUncompiledEntries) {
  EXPECT_EQ(environment_.ConstantElement("PAGENUMBER"), nullptr);  // not active yet
  environment_.Activate();
  EXPECT_EQ(environment_.ConstantElement("ABSENT"), nullptr);
  EXPECT_NE(environment_.ConstantElement("PAGENUMBER"), nullptr);
  environment_.Deactivate();
  EXPECT_EQ(environment_.ConstantElement("PAGENUMBER"), nullptr);
}

TEST_F(EnvironmentTest, StopsRecursion) {
  environment_.Define("X", "X + 1");
  environment_.Define("A", "B");
  environment_.Define("B", "A * 2");
  environment_.Activate();
  EXPECT_EQ(Eval("X"), "ERROR Recursive calls not allowed");
  EXPECT_EQ(Eval("A"), "ERROR Recursive calls not allowed");
  EXPECT_EQ(Eval("X"), "ERROR Recursive calls not allowed");  // the guard was released
  environment_.Deactivate();
}

TEST_F(EnvironmentTest, CountsActivations) {
  EXPECT_FALSE(environment_.IsActive());
  environment_.Activate();
  environment_.Activate();
  EXPECT_TRUE(environment_.EntryAt(0).Evaluator().Prepared());
  environment_.Deactivate();
  EXPECT_TRUE(environment_.IsActive());  // still one activation left
  EXPECT_TRUE(environment_.EntryAt(0).Evaluator().Prepared());
  environment_.Deactivate();
  EXPECT_FALSE(environment_.IsActive());
  EXPECT_FALSE(environment_.EntryAt(0).Evaluator().Prepared());
  environment_.Deactivate();  // one too many changes nothing
  environment_.Activate();
  EXPECT_TRUE(environment_.EntryAt(0).Evaluator().Prepared());
  environment_.Deactivate();
}

TEST_F(EnvironmentTest, CompilesEntriesDefinedWhileActive) {
  environment_.Activate();
  environment_.Define("Late", "PAGENUMBER + 5");
  EXPECT_TRUE(environment_.EntryAt(3).Evaluator().Prepared());
  EXPECT_EQ(Eval("Late"), "INTEGER 5");
  // Defining an existing name while active leaves every entry as it was.
  environment_.Define("PAGENUMBER", "'changed'");
  EXPECT_EQ(Eval("Late"), "INTEGER 5");
  EXPECT_EQ(Eval("PAGENUMBER"), "INTEGER 0");
  environment_.Deactivate();
}

TEST_F(EnvironmentTest, RaisesForEntriesOfAnInactiveEnvironment) {
  TQREvaluator evaluator;
  evaluator.SetEnvironment(&environment_);
  evaluator.Compile("PAGENUMBER");
  try {
    evaluator.Evaluate();
    FAIL() << "no exception";
  } catch (const ExpressionError& error) {
    EXPECT_STREQ(error.what(), "Evaluator not prepared");
  }
  EXPECT_FALSE(environment_.EntryAt(0).Evaluator().Prepared());
}

TEST_F(EnvironmentTest, DoesNotResetEntriesThroughWrappers) {
  environment_.Define("Total", "COUNT");
  environment_.Activate();
  TQREvaluator evaluator;
  evaluator.SetEnvironment(&environment_);
  evaluator.Compile("Total");
  EXPECT_FALSE(evaluator.HasAggregates());
  // An entry's aggregates are never in an aggregation pass through a wrapper.
  evaluator.Accumulate();
  EXPECT_EQ(Describe(evaluator.Evaluate()), "INTEGER 0");
  evaluator.Discard();
  environment_.Deactivate();
}

TEST_F(EnvironmentTest, LendsItsDatasetsToItsEntries) {
  DatasetList dataSets;
  environment_.SetDataSets(&dataSets);
  environment_.Activate();
  EXPECT_EQ(&environment_.EntryAt(0).Evaluator().DataSets(), &dataSets);
  EXPECT_EQ(environment_.EntryAt(0).Evaluator().Environment(), &environment_);
  environment_.Deactivate();
}

TEST(SharedEnvironment, HoldsTheApplicationStartAndName) {
  TQREvEnvironment& shared = SharedEnvironment();
  ASSERT_GE(shared.Count(), 3u);
  EXPECT_EQ(shared.NameAt(0), "APPSTARTTIME");
  EXPECT_EQ(shared.NameAt(1), "APPSTARTDATE");
  EXPECT_EQ(shared.NameAt(2), "APPNAME");
  TQREvaluator evaluator;
  EXPECT_EQ(Describe(evaluator.EvaluateText("AppName")), "STRING expr_tests");
  const std::string startTime = Describe(evaluator.EvaluateText("AppStartTime"));
  EXPECT_EQ(startTime.rfind("STRING ", 0), 0u) << startTime;
  // Every compilation activates the shared environment, which compiles its entries.
  EXPECT_TRUE(shared.IsActive());
  EXPECT_TRUE(shared.EntryAt(0).Evaluator().Prepared());
}

TEST(SharedEnvironment, ComesAfterTheEvaluatorsOwnEnvironment) {
  TQREvEnvironment own;
  own.Define("AppName", "'own name'");
  own.Activate();
  TQREvaluator evaluator;
  evaluator.SetEnvironment(&own);
  EXPECT_EQ(Describe(evaluator.EvaluateText("AppName")), "STRING own name");
  EXPECT_EQ(Describe(evaluator.EvaluateText("AppStartDate")).rfind("STRING ", 0), 0u);
  own.Deactivate();
}

}  // namespace
}  // namespace qr::expr
