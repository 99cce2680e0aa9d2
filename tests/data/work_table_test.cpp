#include "data/work_table.h"

#include <gtest/gtest.h>

#include "data/data_error.h"
#include "support/temp_dir.h"

namespace qr::data {
namespace {

struct Article {
  double code;
  const char* description;
  double group;
};

class WorkTableTest : public testing::Test {
 protected:
  void SetUp() override { CreatePriceListWorkTable(dir_.Path()); }

  WorkTable NewTable() { return WorkTable(dir_.Path(), kWorkTableName); }

  void Fill(const std::vector<Article>& articles) {
    WorkTable table(dir_.Path(), kWorkTableName);
    table.Open();
    for (const Article& article : articles) {
      table.Append();
      table.FieldByName("Tienda").SetAsInteger(1);
      table.FieldByName("Codigo").SetAsFloat(article.code);
      table.FieldByName("Descripcion").SetAsString(article.description);
      table.FieldByName("CodNombre").SetAsFloat(article.group);
      table.Post();
    }
    table.Close();
  }

  static std::vector<std::string> Codes(WorkTable& table) {
    std::vector<std::string> codes;
    for (table.First(); !table.Eof(); table.Next())
      codes.push_back(table.FieldByName("Codigo").DisplayText());
    return codes;
  }

  std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const DataError& error) {
      return error.what();
    }
    return "no error";
  }

  qrtest::TempDir dir_;
};

const std::vector<Article> kArticles = {
    {30, "ZANAHORIA", 2}, {10, "MANZANA", 1}, {20, "ARROZ", 2}, {40, "BETABEL", 1}, {5, "PERA", 2}};

TEST_F(WorkTableTest, FindsRowsByPrimaryKey) {
  Fill(kArticles);
  WorkTable table = NewTable();
  table.Open();
  EXPECT_TRUE(table.FindKey({1, 20}));
  EXPECT_EQ(table.FieldByName("Descripcion").AsString(), "ARROZ");
  EXPECT_FALSE(table.FindKey({1, 21}));
  EXPECT_FALSE(table.FindKey({2, 20}));
}

TEST_F(WorkTableTest, DeliversRowsInTheCurrentIndexOrder) {
  Fill(kArticles);
  WorkTable table = NewTable();
  table.Open();
  EXPECT_EQ(Codes(table), (std::vector<std::string>{"5", "10", "20", "30", "40"}));
  table.Close();

  table.AddIndex("Indice", "Tienda;CodNombre;Codigo");
  table.SetIndexName("Indice");
  table.Open();
  EXPECT_EQ(Codes(table), (std::vector<std::string>{"10", "40", "5", "20", "30"}));
  table.Close();

  table.SetIndexName("");
  table.DeleteIndex("Indice");
  table.AddIndex("Indice", "Tienda;CodNombre;Descripcion");
  table.SetIndexName("Indice");
  table.Open();
  EXPECT_EQ(Codes(table), (std::vector<std::string>{"40", "10", "20", "5", "30"}));
}

TEST_F(WorkTableTest, EditedAndAppendedRowsTakeTheirPlaceInTheOrder) {
  Fill(kArticles);
  WorkTable table = NewTable();
  table.Open();
  ASSERT_TRUE(table.FindKey({1, 40}));
  table.Edit();
  table.FieldByName("Descripcion").SetAsString("BETABEL ROJO");
  table.Post();
  table.Append();
  table.FieldByName("Tienda").SetAsInteger(1);
  table.FieldByName("Codigo").SetAsFloat(15);
  table.Post();
  EXPECT_EQ(table.RecNo(), 3);  // 5, 10, 15
  EXPECT_EQ(Codes(table), (std::vector<std::string>{"5", "10", "15", "20", "30", "40"}));
  table.Close();
  table.Open();
  ASSERT_TRUE(table.FindKey({1, 40}));
  EXPECT_EQ(table.FieldByName("Descripcion").AsString(), "BETABEL ROJO");
}

TEST_F(WorkTableTest, WalksBackwardsAndForwards) {
  Fill(kArticles);
  WorkTable table = NewTable();
  table.Open();
  EXPECT_TRUE(table.Bof());
  table.Next();
  table.Next();
  EXPECT_EQ(table.RecNo(), 3);
  table.Prior();
  EXPECT_EQ(table.FieldByName("Codigo").AsInteger(), 10);
  table.Prior();
  table.Prior();
  EXPECT_TRUE(table.Bof());
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_EQ(table.RecordCount(), 5);
}

TEST_F(WorkTableTest, ExclusiveOpenKeepsEveryOtherSessionOut) {
  Fill(kArticles);
  WorkTable holder = NewTable();
  holder.SetExclusive(true);
  holder.Open();

  WorkTable other = NewTable();
  EXPECT_NE(ErrorOf([&] { other.Open(); }).find("is in use by another session"), std::string::npos);
  EXPECT_FALSE(other.Active());
  EXPECT_NE(ErrorOf([&] { other.EmptyTable(); }), "no error");

  holder.Close();
  other.Open();
  EXPECT_EQ(other.RecordCount(), 5);
}

TEST_F(WorkTableTest, ExclusiveCanOnlyChangeWhileClosed) {
  WorkTable table = NewTable();
  table.Open();
  EXPECT_EQ(ErrorOf([&] { table.SetExclusive(true); }),
            "Cannot change exclusive access on an open table 'TempM_t'");
}

TEST_F(WorkTableTest, IndexDefsListThePrimaryKeyFirst) {
  WorkTable table = NewTable();
  table.RefreshIndexDefs();
  ASSERT_EQ(table.IndexDefs().size(), 1u);
  EXPECT_EQ(table.IndexDefs()[0].name, "");
  EXPECT_EQ(table.IndexDefs()[0].fields, "Tienda;Codigo");
  EXPECT_EQ(table.IndexDefPosition("Indice"), -1);

  table.AddIndex("Indice", "Tienda;CodNombre;Codigo");
  table.RefreshIndexDefs();
  EXPECT_EQ(table.IndexDefPosition("INDICE"), 1);
  EXPECT_EQ(table.IndexDefs()[1].fields, "Tienda;CodNombre;Codigo");
  EXPECT_NE(ErrorOf([&] { table.AddIndex("Indice", "Tienda;Codigo"); }).find("already exists"),
            std::string::npos);

  table.DeleteIndex("Indice");
  table.RefreshIndexDefs();
  EXPECT_EQ(table.IndexDefPosition("Indice"), -1);
}

TEST_F(WorkTableTest, EmptyRemovesEveryRow) {
  Fill(kArticles);
  WorkTable table = NewTable();
  table.EmptyTable();
  table.Open();
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("Codigo").DisplayText(), "");
}

TEST_F(WorkTableTest, StructuralChangesNeedAClosedTable) {
  WorkTable table = NewTable();
  table.Open();
  EXPECT_EQ(ErrorOf([&] { table.EmptyTable(); }),
            "Cannot empty the table on an open table 'TempM_t'");
  EXPECT_NE(ErrorOf([&] { table.AddIndex("X", "Codigo"); }), "no error");
}

TEST_F(WorkTableTest, FieldsAreWrittenOnlyInEditOrInsertMode) {
  Fill(kArticles);
  WorkTable table = NewTable();
  table.Open();
  EXPECT_EQ(ErrorOf([&] { table.FieldByName("Nombre").SetAsString("x"); }),
            "Table 'TempM_t' is not in edit or insert mode");
}

TEST_F(WorkTableTest, FloatFieldsDisplayInTheGeneralFloatText) {
  WorkTable table = NewTable();
  table.Open();
  table.Append();
  table.FieldByName("Tienda").SetAsInteger(1);
  table.FieldByName("Codigo").SetAsFloat(7);
  table.FieldByName("CompraCos").SetAsFloat(12 * 290.19);
  table.Post();
  EXPECT_EQ(table.FieldByName("Codigo").Kind(), FieldKind::Float);
  EXPECT_EQ(table.FieldByName("Codigo").DisplayText(), "7");
  EXPECT_EQ(table.FieldByName("CompraCos").DisplayText(), "3482.28");
  EXPECT_EQ(table.FieldByName("VentasCos").DisplayText(), "");
}

TEST_F(WorkTableTest, MissingAliasOrTableIsReported) {
  WorkTable noAlias(dir_.Path() / "nowhere", kWorkTableName);
  EXPECT_NE(ErrorOf([&] { noAlias.Open(); }).find("Alias 'Temp' directory"), std::string::npos);
  WorkTable noTable(dir_.Path(), "Otra");
  EXPECT_NE(ErrorOf([&] { noTable.Open(); }).find("does not exist"), std::string::npos);
  WorkTable table = NewTable();
  table.SetIndexName("Indice");
  EXPECT_EQ(ErrorOf([&] { table.Open(); }), "Index 'Indice' not found on table 'TempM_t'");
  EXPECT_FALSE(table.Active());
}

}  // namespace
}  // namespace qr::data
