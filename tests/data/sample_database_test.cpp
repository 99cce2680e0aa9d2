#include "data/sample_database.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/client_dataset.h"
#include "database_backends.h"

namespace qr::data {
namespace {

using qrtest::Backend;

// Every row of a statement as "kind:display|kind:display...", sorted, since
// the two databases may return rows in different orders.
std::vector<std::string> DumpRows(SqlConnection& connection, const std::string& sql) {
  ClientDataSet dataset;
  dataset.SetRemoteServer(&connection);
  dataset.SetProviderName(kPriceListProvider);
  dataset.SetCommandText(sql);
  dataset.Open();
  std::vector<std::string> rows;
  for (; !dataset.Eof(); dataset.Next()) {
    std::string line;
    for (int i = 0; i < dataset.FieldCount(); ++i)
      line += (i ? "|" : "") + std::string(FieldKindName(dataset.FieldAt(i).Kind())) + ":" +
              dataset.FieldAt(i).DisplayText();
    rows.push_back(line);
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

class SampleDatabase : public qrtest::BackendTest {
 protected:
  std::vector<std::string> Rows(const std::string& sql) { return DumpRows(*connection_, sql); }
};

const char* kPriceListByCode =
    "Select C.Codigo,M.Descripcion as Nombre,C.Mult,M.Codigo as CodNombre,CodAlt,C.Unidad,"
    "M.Descripcion,M.Precio,M.Precio2,M.Precio3,M.Precio4,M.Precio5,M.Ban1 From CodAlt C,Mnlus M "
    "Where C.Codigo=M.Codigo and M.Codigo Between 1 and 200";

TEST_P(SampleDatabase, HoldsArticlesPackagesGroupsAndDepartments) {
  WriteSampleDatabase(*connection_, {.articles = 300, .seed = 7, .progress = {}});
  EXPECT_EQ(Rows("Select count(*) From Mnlus"), std::vector<std::string>{"integer:300"});
  EXPECT_EQ(Rows("Select count(*) From Grupo2").size(), 1u);
  const auto units = Rows("Select distinct Unidad From CodAlt");
  for (const char* unit :
       {"string:CAJA", "string:caja", "string:PAQ", "string:PZA", "string:CAJA "})
    EXPECT_NE(std::find(units.begin(), units.end(), unit), units.end()) << unit;
}

// The rows, kinds and display texts must not depend on the database the host uses.
TEST(SampleDatabaseOnBoth, SqliteAndPostgresGiveTheSameRows) {
  if (qrtest::PostgresUrl() == nullptr) GTEST_SKIP() << "QR_TEST_POSTGRES_URL is not set";
  qrtest::TempDir dir;
  std::vector<std::vector<std::string>> results;
  for (const std::string& location : {dir.File("a.db"), std::string(qrtest::PostgresUrl())}) {
    auto connection = location.ends_with(".db") ? SqlConnection::CreateSqlite(location)
                                                : std::make_unique<SqlConnection>(location);
    std::unique_ptr<qrtest::PrivateSchema> schema;
    if (!location.ends_with(".db")) schema = std::make_unique<qrtest::PrivateSchema>(*connection);
    WriteSampleDatabase(*connection, {.articles = 200, .seed = 3, .progress = {}});
    results.push_back(DumpRows(*connection, kPriceListByCode));
  }
  ASSERT_GT(results[0].size(), 200u);
  EXPECT_EQ(results[0], results[1]);
}

INSTANTIATE_TEST_SUITE_P(Databases, SampleDatabase,
                         testing::Values(Backend::Sqlite, Backend::Postgres), qrtest::BackendName);

}  // namespace
}  // namespace qr::data
