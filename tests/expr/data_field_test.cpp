#include <gtest/gtest.h>

#include "data/work_table.h"
#include "expr/environment.h"
#include "expr/evaluator.h"
#include "expr_test_support.h"
#include "memory_dataset.h"
#include "support/temp_dir.h"

namespace qr::expr {
namespace {

using data::FieldKind;
using qrtest::Describe;
using qrtest::MemoryDataset;

// Two datasets: "Articles" (first in the list) and "Stores"; both have a
// field "Name", and Articles has fields named like functions.
class DataFieldTest : public testing::Test {
 protected:
  DataFieldTest()
      : articles_("Articles", {{"Codigo", FieldKind::Integer},
                               {"Name", FieldKind::String},
                               {"Price", FieldKind::Float},
                               {"Active", FieldKind::Boolean},
                               {"Date", FieldKind::String},
                               {"Count", FieldKind::Integer},
                               {"Memo", FieldKind::Memo},
                               {"Units", FieldKind::SmallInt},
                               {"Cost", FieldKind::Currency},
                               {"Big", FieldKind::Integer},
                               {"Nothing", FieldKind::Integer}}),
        stores_("Stores", {{"Name", FieldKind::String}, {"Tienda", FieldKind::Word}}) {
    using M = MemoryDataset;
    articles_.AddRow({M::Int(7), M::Text("MANZANA"), M::Real(12.5), M::Int(1), M::Text("field"),
                      M::Int(99), M::Text("memo"), M::Int(3), M::Real(0.25), M::Int(4294967297LL),
                      M::Int(5)});
    stores_.AddRow({M::Text("Centro"), M::Int(2)});
    dataSets_ = {&articles_, &stores_};
    evaluator_.SetDataSets(&dataSets_);
  }

  std::string Eval(const char* text) {
    evaluator_.Compile(text);
    return Describe(evaluator_.Evaluate());
  }

  qrtest::PinnedLocale locale_{qrtest::PinnedLocale::Dot()};
  MemoryDataset articles_;
  MemoryDataset stores_;
  DatasetList dataSets_;
  TQREvaluator evaluator_;
};

TEST_F(DataFieldTest, ResolvesFieldsWithAndWithoutPrefix) {
  struct Case {
    const char* name;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"integer", "Codigo", "INTEGER 7"},
      {"any-case", "cODIGO", "INTEGER 7"},
      {"string", "Name", "STRING MANZANA"},  // the first listed dataset wins
      {"float", "Price", "FLOAT 12.5"},
      {"boolean", "Active", "BOOLEAN True"},
      {"smallint", "Units", "INTEGER 3"},
      {"word", "Tienda", "INTEGER 2"},
      {"currency", "Cost", "FLOAT 0.25"},
      {"wide-integer-wraps", "Big", "INTEGER 1"},
      {"prefix", "Stores.Name", "STRING Centro"},
      {"prefix-any-case", "stores.name", "STRING Centro"},
      {"prefix-searches-only-its-dataset", "Stores.Codigo",
       "ERROR Unknown function : STORES.CODIGO"},
      {"unknown-prefix", "Nowhere.Name", "ERROR Unknown function : NOWHERE.NAME"},
      {"arithmetic", "Price * Codigo + Tienda", "FLOAT 89.5"},
      {"bracket", "[Name]", "STRING MANZANA"},
      {"bracket-with-prefix", "[Stores.Name]", "STRING Centro"},
      {"bracket-unknown-keeps-case", "[foo]", "ERROR Unknown function : foo"},
      {"function-shadows-field", "Date = 'field'", "BOOLEAN False"},
      {"bracket-reaches-shadowed-field", "[Date]", "STRING field"},
      {"prefix-reaches-shadowed-field", "Articles.Count", "INTEGER 99"},
      {"count-is-the-function", "Count", "INTEGER 0"},
      {"not-prefix-needs-brackets", "[Nothing]", "INTEGER 5"},
      {"unknown-kind", "Memo", "ERROR Field Memo is of unknown type"},
      {"not-prefix-negates", "Nothing", "ERROR Invalid use of NOT"},  // not + HING,
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Eval(c.text), c.expected);
  }
}

TEST_F(DataFieldTest, ReadsTheCurrentRowOnEveryEvaluation) {
  articles_.AddRow({MemoryDataset::Int(8),
                    MemoryDataset::Text("PERA"),
                    MemoryDataset::Real(3),
                    MemoryDataset::Int(0),
                    {},
                    {},
                    {},
                    {},
                    {},
                    {},
                    {}});
  evaluator_.Compile("Name + ' ' + STR(Price)");
  articles_.First();
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "STRING MANZANA 12.5");
  articles_.Next();
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "STRING PERA 3");
}

TEST_F(DataFieldTest, ReadsNullsAsEmptyAndZero) {
  articles_.AddRow({{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}});
  articles_.Next();
  EXPECT_EQ(Eval("Name"), "STRING ");
  EXPECT_EQ(Eval("Codigo"), "INTEGER 0");
  EXPECT_EQ(Eval("Price"), "FLOAT 0");
}

TEST_F(DataFieldTest, TurnsUnreadableValuesIntoErrorValues) {
  articles_.AddRow(
      {MemoryDataset::Text("x7"), {}, MemoryDataset::Text("abc"), {}, {}, {}, {}, {}, {}, {}, {}});
  articles_.Next();
  EXPECT_EQ(Eval("Price"), "ERROR 'abc' is not a valid number");
  EXPECT_EQ(Eval("Codigo + 1"), "ERROR 'x7' is not a valid number");
}

TEST_F(DataFieldTest, PrefersFieldsToEnvironmentEntries) {
  TQREvEnvironment environment;
  environment.Define("Name", "'from the environment'");
  environment.Define("Other", "'only here'");
  environment.Activate();
  evaluator_.SetEnvironment(&environment);
  EXPECT_EQ(Eval("Name"), "STRING MANZANA");
  EXPECT_EQ(Eval("Other"), "STRING only here");
  evaluator_.Discard();
  environment.Deactivate();
}

TEST_F(DataFieldTest, FallsThroughToEnvironmentsWithoutDatasets) {
  TQREvaluator evaluator;
  EXPECT_EQ(Describe(evaluator.EvaluateText("Articles.Codigo")),
            "ERROR Unknown function : ARTICLES.CODIGO");
}

TEST_F(DataFieldTest, ReportsAFieldThatIsNoLongerThere) {
  evaluator_.Compile("Articles.Nothing");
  articles_.DropLastField();
  EXPECT_EQ(Describe(evaluator_.Evaluate()), "ERROR Field Nothing is no longer available");
}

TEST(WorkTableField, ResolvesTheGroupFieldOfTheWorkTable) {
  qrtest::PinnedLocale locale(qrtest::PinnedLocale::Dot());
  qrtest::TempDir dir;
  data::CreatePriceListWorkTable(dir.Path());
  data::WorkTable table(dir.Path(), data::kWorkTableName);
  table.SetName("TempM_t");
  table.Open();
  table.Append();
  table.FieldByName("Tienda").SetAsInteger(1);
  table.FieldByName("Codigo").SetAsFloat(10);
  table.FieldByName("Descripcion").SetAsString("MANZANA");
  table.FieldByName("CodNombre").SetAsFloat(3);
  table.Post();
  table.First();
  DatasetList dataSets = {&table};
  TQREvaluator evaluator;
  evaluator.SetDataSets(&dataSets);
  EXPECT_EQ(Describe(evaluator.EvaluateText("TempM_t.CodNombre")), "FLOAT 3");
  EXPECT_EQ(Describe(evaluator.EvaluateText("Tienda")), "INTEGER 1");
  EXPECT_EQ(Describe(evaluator.EvaluateText("UPPER(Descripcion) + '!'")), "STRING MANZANA!");
  table.Close();
}

}  // namespace
}  // namespace qr::expr
