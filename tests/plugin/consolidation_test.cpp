#include "plugin/consolidation.h"

#include <gtest/gtest.h>

#include "data/client_dataset.h"
#include "shop_fixture.h"

namespace rep {
namespace {

// Folds result rows given as SQL (one SELECT per row) into the empty work table.
class Fold : public reptest::ShopFixture {
 protected:
  void FoldRows(const std::vector<std::string>& rows) {
    std::string sql;
    for (const std::string& row : rows) sql += (sql.empty() ? "" : " UNION ALL ") + row;
    qr::data::ClientDataSet result;
    result.SetRemoteServer(shop_.get());
    result.SetProviderName(qr::data::kPriceListProvider);
    result.SetCommandText(sql);
    result.Open();
    qr::data::WorkTable table(alias_, qr::data::kWorkTableName);
    table.Open();
    PresentationFold fold(result, table);
    for (; !result.Eof(); result.Next()) fold.FoldCurrentRow();
  }

  // A result row of article `code` with the given unit and multiplier; the
  // prices are 10, 20, 30, 40 and 50 so that every product shows its source.
  static std::string Row(int code, const std::string& unit, int multiplier,
                         const std::string& description = "ARROZ") {
    return "SELECT " + std::to_string(code) + " AS Codigo, '" + description + "' AS Descripcion, " +
           std::to_string(code * 100) + " AS CodNombre, 'N" + description + "' AS Nombre, '" +
           unit + "' AS Unidad, " + std::to_string(multiplier) +
           " AS Mult, 10 AS Precio, 20 AS Precio2, 30 AS Precio3, 40 AS Precio4, 50 AS Precio5";
  }

  const std::vector<std::string> kPackagingFields = {"CompraCan", "CompraCos", "TransCan",
                                                     "TransCos",  "VentasCan", "VentasCos",
                                                     "PedCan",    "PedCos",    "AjustesCos"};
};

TEST_F(Fold, BothListsFillTheirColumnPairsOfOneRow) {
  FoldRows({Row(7, "CAJA", 12), Row(7, "PAQ", 6)});
  EXPECT_EQ(
      WorkTableRows(kPackagingFields),
      std::vector<std::string>{"7|CompraCan=12|CompraCos=120|TransCan=12|TransCos=480|"
                               "VentasCan=6|VentasCos=120|PedCan=6|PedCos=180|AjustesCos=50"});
}

TEST_F(Fold, UnitsMatchWholeNamesAfterRaisingAsciiLetters) {
  struct Case {
    const char* unit;
    const char* compraCan;
    const char* ventasCan;
  };
  const Case cases[] = {
      {"caja", "12", ""}, {"Caja", "12", ""},   {"CAJA ", "", ""}, {"CAJAS", "", ""},
      {"paq", "", "12"},  {"CHURIA", "12", ""}, {"PZA", "", ""},   {"çaja", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unit);
    qr::data::WorkTable(alias_, qr::data::kWorkTableName).EmptyTable();
    FoldRows({Row(1, c.unit, 12)});
    EXPECT_EQ(WorkTableRows({"CompraCan", "VentasCan"}),
              std::vector<std::string>{std::string("1|CompraCan=") + c.compraCan +
                                       "|VentasCan=" + c.ventasCan});
  }
}

TEST_F(Fold, ALaterRowOverwritesThePairOfAnEarlierOne) {
  FoldRows({Row(3, "BOL", 6), Row(3, "CJA", 24)});
  EXPECT_EQ(WorkTableRows({"CompraCan", "TransCos"}),
            std::vector<std::string>{"3|CompraCan=24|TransCos=960"});
}

TEST_F(Fold, UnmatchedUnitsLeaveOnlyTheIdentityFields) {
  FoldRows({Row(4, "PZA", 1), Row(4, "KG", 1)});
  EXPECT_EQ(WorkTableRows({"Tienda", "Descripcion", "CodNombre", "Nombre", "AjustesCos",
                           "CompraCan", "VentasCos"}),
            std::vector<std::string>{"4|Tienda=1|Descripcion=ARROZ|CodNombre=400|Nombre=NARROZ|"
                                     "AjustesCos=50|CompraCan=|VentasCos="});
}

TEST_F(Fold, OnlyTheFirstRowOfAnArticleSetsItsIdentity) {
  FoldRows({Row(5, "PZA", 1, "PRIMERA"), Row(5, "CAJA", 12, "SEGUNDA")});
  EXPECT_EQ(WorkTableRows({"Descripcion", "Nombre", "CompraCan"}),
            std::vector<std::string>{"5|Descripcion=PRIMERA|Nombre=NPRIMERA|CompraCan=12"});
}

TEST_F(Fold, AMissingResultColumnIsNamed) {
  qr::data::ClientDataSet result;
  result.SetRemoteServer(shop_.get());
  result.SetProviderName(qr::data::kPriceListProvider);
  result.SetCommandText("SELECT 1 AS Codigo");
  result.Open();
  qr::data::WorkTable table(alias_, qr::data::kWorkTableName);
  table.Open();
  try {
    PresentationFold fold(result, table);
    FAIL() << "no error";
  } catch (const qr::data::DataError& error) {
    EXPECT_STREQ(error.what(), "Field 'Descripcion' not found");
  }
}

TEST(ClassifyUnit, KnowsBothLists) {
  for (const char* unit :
       {"CAJA", "BAL", "BOL", "BTO", "BULT", "CJA", "COLC", "CUB", "PACA", "ROLL", "CHURIA"})
    EXPECT_EQ(ClassifyUnit(unit), PackagingList::First) << unit;
  for (const char* unit : {"EXH", "PAQ", "CONO", "CHAR", "VITR"})
    EXPECT_EQ(ClassifyUnit(unit), PackagingList::Second) << unit;
  EXPECT_EQ(ClassifyUnit(""), PackagingList::None);
}

}  // namespace
}  // namespace rep
