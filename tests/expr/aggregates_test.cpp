#include <gtest/gtest.h>

#include "expr/evaluator.h"
#include "expr_test_support.h"
#include "memory_dataset.h"

namespace qr::expr {
namespace {

using data::FieldKind;
using qrtest::Describe;
using qrtest::MemoryDataset;

// One column "x" holding the given cells, row by row.
class AggregateTest : public testing::Test {
 protected:
  void Fill(FieldKind kind, std::vector<MemoryDataset::Cell> cells) {
    dataset_ = std::make_unique<MemoryDataset>("T", std::vector{std::pair{std::string("x"), kind}});
    for (auto& cell : cells) dataset_->AddRow({cell});
    dataSets_ = {dataset_.get()};
    evaluator_.SetDataSets(&dataSets_);
  }

  // Compiles, resets, accumulates over every row and evaluates.
  std::string Aggregate(const char* text) {
    evaluator_.Compile(text);
    evaluator_.ResetAggregates();
    for (dataset_->First(); !dataset_->Eof(); dataset_->Next()) evaluator_.Accumulate();
    return Describe(evaluator_.Evaluate());
  }

  qrtest::PinnedLocale locale_{qrtest::PinnedLocale::Dot()};
  std::unique_ptr<MemoryDataset> dataset_;
  DatasetList dataSets_;
  TQREvaluator evaluator_;
};

TEST_F(AggregateTest, AggregatesIntegers) {
  Fill(FieldKind::Integer, {MemoryDataset::Int(1), MemoryDataset::Int(3), MemoryDataset::Int(2)});
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"SUM(x)", "INTEGER 6"},
      {"COUNT", "INTEGER 3"},
      {"COUNT()", "INTEGER 3"},
      {"MAX(x)", "INTEGER 3"},
      {"MIN(x)", "INTEGER 1"},
      {"AVERAGE(x)", "FLOAT 2"},
      {"SUM(x * 2) + 1", "INTEGER 13"},
      {"SUM(x) / COUNT", "FLOAT 2"},
      {"COUNT(1)", "ERROR COUNT - Too many arguments"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Aggregate(c.text), c.expected);
  }
}

TEST_F(AggregateTest, AggregatesOtherKinds) {
  struct Case {
    const char* name;
    FieldKind kind;
    std::vector<MemoryDataset::Cell> cells;
    const char* text;
    const char* expected;
  };
  using M = MemoryDataset;
  const Case cases[] = {
      {"sum-floats", FieldKind::Float, {M::Real(0.5), M::Real(0.25)}, "SUM(x)", "FLOAT 0.75"},
      {"sum-string", FieldKind::String, {M::Text("a")}, "SUM(x)", "ERROR "},
      {"sum-string-later",
       FieldKind::Integer,
       {M::Int(2), M::Int(1)},
       "SUM(IF(x = 1, 'a', 2))",
       "ERROR "},
      {"max-strings",
       FieldKind::String,
       {M::Text("ab"), M::Text("b"), M::Text("abc")},
       "MAX(x)",
       "STRING b"},
      {"min-strings-prefix-first",
       FieldKind::String,
       {M::Text("abc"), M::Text("ab")},
       "MIN(x)",
       "STRING ab"},
      {"min-booleans",
       FieldKind::Boolean,
       {M::Int(1), M::Int(0), M::Int(1)},
       "MIN(x)",
       "BOOLEAN False"},
      {"max-booleans",
       FieldKind::Boolean,
       {M::Int(1), M::Int(0), M::Int(1)},
       "MAX(x)",
       "BOOLEAN True"},
      {"max-floats", FieldKind::Float, {M::Real(-1.5), M::Real(-0.5)}, "MAX(x)", "FLOAT -0.5"},
      {"average-floats", FieldKind::Float, {M::Real(1), M::Real(2)}, "AVERAGE(x)", "FLOAT 1.5"},
      {"average-strings", FieldKind::String, {M::Text("a")}, "AVERAGE(x)", "ERROR "},
      {"sum-no-argument", FieldKind::Integer, {M::Int(1)}, "SUM()", "INTEGER 0"},
      {"max-two-arguments",
       FieldKind::Integer,
       {M::Int(1), M::Int(2)},
       "MAX(x, 1)",
       "INTEGER 0"},  // the error is held, but no value was ever taken in
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fill(c.kind, c.cells);
    EXPECT_EQ(Aggregate(c.text), c.expected);
  }
}

TEST_F(AggregateTest, SkipsBooleansAndErrorsInSums) {
  Fill(FieldKind::Integer, {MemoryDataset::Int(1), MemoryDataset::Int(0), MemoryDataset::Int(4)});
  // x = 0 gives a boolean, 1 / x an error on the second row.
  EXPECT_EQ(Aggregate("SUM(IF(x = 0, TRUE, x))"), "INTEGER 5");
  EXPECT_EQ(Aggregate("SUM(IF(x = 0, 1 / x, x))"), "INTEGER 5");
}

TEST_F(AggregateTest, MixesIntegersAndFloatsAsFloats) {
  Fill(FieldKind::Integer, {MemoryDataset::Int(1), MemoryDataset::Int(2), MemoryDataset::Int(3)});
  EXPECT_EQ(Aggregate("SUM(IF(x = 2, 0.5, x))"), "FLOAT 4.5");
  EXPECT_EQ(Aggregate("MAX(IF(x = 2, 2.5, x))"), "FLOAT 3");
  EXPECT_EQ(Aggregate("MIN(IF(x = 1, 1.5, x))"), "FLOAT 1.5");
}

TEST_F(AggregateTest, GivesZeroBeforeAnyRecord) {
  Fill(FieldKind::Integer, {});
  EXPECT_EQ(Aggregate("SUM(x)"), "INTEGER 0");
  EXPECT_EQ(Aggregate("MAX(x)"), "INTEGER 0");
  EXPECT_EQ(Aggregate("MIN(x)"), "INTEGER 0");
  EXPECT_EQ(Aggregate("COUNT"), "INTEGER 0");
  EXPECT_EQ(Aggregate("AVERAGE(x)"), "FLOAT 0");  // after a reset
  evaluator_.Compile("AVERAGE(x)");               // never reset
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 0");
}

TEST_F(AggregateTest, StepsOnlyInAggregationPassesAndRestartsOnReset) {
  Fill(FieldKind::Integer, {MemoryDataset::Int(10), MemoryDataset::Int(20)});
  evaluator_.Compile("COUNT + SUM(x) * 0");
  evaluator_.ResetAggregates();
  dataset_->First();
  evaluator_.Accumulate();
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 1");
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 1");  // printing does not step
  dataset_->Next();
  evaluator_.Accumulate();
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 2");
  evaluator_.ResetAggregates();  // as after a print with reset-after-print
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 0");
  evaluator_.Accumulate();
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 1");
  evaluator_.Compile("COUNT");  // a new compilation starts from zero
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "INTEGER 0");
}

TEST_F(AggregateTest, StepsAggregatesInBothBranchesOfIf) {
  Fill(FieldKind::Integer, {MemoryDataset::Int(1), MemoryDataset::Int(2), MemoryDataset::Int(3)});
  // Every argument is computed, so the unchosen COUNT steps as well.
  EXPECT_EQ(Aggregate("IF(TRUE, COUNT, COUNT * 100)"), "INTEGER 3");
  EXPECT_EQ(Aggregate("IF(FALSE, SUM(x), COUNT)"), "INTEGER 3");
  EXPECT_EQ(Aggregate("IF(FALSE, COUNT, SUM(x))"), "INTEGER 6");
}

}  // namespace
}  // namespace qr::expr
