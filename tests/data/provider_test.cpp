#include <gtest/gtest.h>

#include "data/client_dataset.h"
#include "data/data_error.h"
#include "database_backends.h"

namespace qr::data {
namespace {

using qrtest::Backend;

class Provider : public qrtest::BackendTest {
 protected:
  void SetUp() override {
    BackendTest::SetUp();
    if (IsSkipped()) return;
    connection_->ExecuteStatement("DROP TABLE IF EXISTS Items");
    connection_->ExecuteStatement(
        "CREATE TABLE Items (Codigo INTEGER, Nombre VARCHAR(20), Precio NUMERIC(12,2), "
        "Nota VARCHAR(20))");
    connection_->ExecuteStatement(
        "INSERT INTO Items VALUES (1, 'UNO', 12.5, NULL), (2, 'dos', 3, 'x'), "
        "(3, NULL, NULL, 'y')");
    dataset_.SetRemoteServer(connection_.get());
    dataset_.SetProviderName(kPriceListProvider);
  }

  void OpenWith(const std::string& sql) {
    dataset_.SetCommandText(sql);
    dataset_.Open();
  }

  std::string Row() {
    std::string line;
    for (int i = 0; i < dataset_.FieldCount(); ++i)
      line += (i ? "|" : "") + dataset_.FieldAt(i).DisplayText();
    return line;
  }

  ClientDataSet dataset_;
};

TEST_P(Provider, WalksEveryRowInTheOrderReturned) {
  OpenWith("Select Codigo, Nombre, Precio, Nota From Items Order By Codigo");
  EXPECT_EQ(dataset_.RecordCount(), 3);
  EXPECT_FALSE(dataset_.IsEmpty());
  std::vector<std::string> rows;
  std::vector<int> numbers;
  for (; !dataset_.Eof(); dataset_.Next()) {
    numbers.push_back(dataset_.RecNo());
    rows.push_back(Row());
  }
  EXPECT_EQ(rows, (std::vector<std::string>{"1|UNO|12.5|", "2|dos|3|x", "3|||y"}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
}

TEST_P(Provider, FieldKindsFollowTheDeclaredColumnTypes) {
  OpenWith(
      "Select Codigo, Nombre, Precio, count(*) as Cuantos From Items Group By Codigo, "
      "Nombre, Precio Order By Codigo");
  EXPECT_EQ(dataset_.FieldByName("Codigo").Kind(), FieldKind::Integer);
  EXPECT_EQ(dataset_.FieldByName("Nombre").Kind(), FieldKind::String);
  // The second row stores 3 as an integer in SQLite; the column stays a float column.
  EXPECT_EQ(dataset_.FieldByName("Precio").Kind(), FieldKind::Float);
  EXPECT_EQ(dataset_.FieldByName("Cuantos").Kind(), FieldKind::Integer);
}

TEST_P(Provider, NullsReadAsEmptyTextAndZero) {
  OpenWith("Select Nombre, Precio From Items Where Codigo = 3");
  Field& name = dataset_.FieldByName("Nombre");
  Field& price = dataset_.FieldByName("Precio");
  EXPECT_TRUE(name.IsNull());
  EXPECT_EQ(name.AsString(), "");
  EXPECT_EQ(price.AsFloat(), 0);
  EXPECT_EQ(price.DisplayText(), "");
}

TEST_P(Provider, NumbersReadAsTextAndTextsAsNumbers) {
  OpenWith("Select Codigo, Precio From Items Where Codigo = 1");
  EXPECT_EQ(dataset_.FieldByName("Codigo").AsString(), "1");
  EXPECT_EQ(dataset_.FieldByName("Precio").AsString(), "12.5");
  EXPECT_DOUBLE_EQ(dataset_.FieldByName("Precio").AsFloat(), 12.5);
}

TEST_P(Provider, FindsFieldsWithoutRegardToCaseAndNamesTheMissingOne) {
  OpenWith("Select Codigo From Items");
  EXPECT_EQ(&dataset_.FieldByName("CODIGO"), &dataset_.FieldByName("codigo"));
  EXPECT_EQ(dataset_.FindField("Nada"), nullptr);
  try {
    dataset_.FieldByName("Nada");
    FAIL() << "no error";
  } catch (const DataError& error) {
    EXPECT_STREQ(error.what(), "Field 'Nada' not found");
  }
}

TEST_P(Provider, EmptyResultIsEmptyAndAtEnd) {
  OpenWith("Select Codigo From Items Where Codigo Between 5 and 2");
  EXPECT_TRUE(dataset_.IsEmpty());
  EXPECT_TRUE(dataset_.Eof());
  EXPECT_EQ(dataset_.RecNo(), 0);
  EXPECT_EQ(dataset_.FieldByName("Codigo").AsString(), "");
}

TEST_P(Provider, RejectedStatementFailsWithTheDatabaseMessage) {
  dataset_.SetCommandText("Select Codigo From NoSuchTable");
  try {
    dataset_.Open();
    FAIL() << "no error";
  } catch (const DataError& error) {
    EXPECT_NE(QString(error.what()).toLower().indexOf("nosuchtable"), -1) << error.what();
  }
  EXPECT_FALSE(dataset_.Active());
  // The statement of an empty range: "Between  and 250".
  dataset_.SetCommandText("Select Codigo From Items Where Codigo Between  and 250");
  EXPECT_THROW(dataset_.Open(), DataError);
}

TEST_P(Provider, OnlyTheServedProviderRunsStatements) {
  dataset_.SetProviderName("OtroProveedor");
  dataset_.SetCommandText("Select Codigo From Items");
  try {
    dataset_.Open();
    FAIL() << "no error";
  } catch (const DataError& error) {
    EXPECT_STREQ(error.what(),
                 "Provider 'OtroProveedor' is not served by this connection (it serves "
                 "'DedevOvozazEruroziz')");
  }
}

TEST_P(Provider, ClosesAndReopensWithANewStatement) {
  OpenWith("Select Codigo From Items");
  dataset_.Close();
  EXPECT_FALSE(dataset_.Active());
  OpenWith("Select Nombre, Nota From Items Where Codigo = 2");
  EXPECT_EQ(dataset_.FieldCount(), 2);
  EXPECT_EQ(Row(), "dos|x");
}

INSTANTIATE_TEST_SUITE_P(Databases, Provider, testing::Values(Backend::Sqlite, Backend::Postgres),
                         qrtest::BackendName);

TEST(SqlConnection, MissingSqliteFileIsAnErrorNotANewDatabase) {
  qrtest::TempDir dir;
  try {
    SqlConnection connection(dir.File("missing.db"));
    FAIL() << "no error";
  } catch (const DataError& error) {
    EXPECT_NE(std::string(error.what()).find("does not exist"), std::string::npos);
  }
}

TEST(FieldKind, MapsDeclaredTypes) {
  struct Case {
    const char* declared;
    FieldKind kind;
  };
  const Case cases[] = {
      {"INTEGER", FieldKind::Integer},
      {"bigint", FieldKind::Integer},
      {"SMALLINT", FieldKind::SmallInt},
      {"VARCHAR(40)", FieldKind::String},
      {"TEXT", FieldKind::String},
      {"NUMERIC(12,2)", FieldKind::Float},
      {"double precision", FieldKind::Float},
      {"REAL", FieldKind::Float},
      {"BOOLEAN", FieldKind::Boolean},
      {"DATE", FieldKind::Date},
      {"TIMESTAMP", FieldKind::DateTime},
      {"TIME", FieldKind::Time},
      {"BLOB", FieldKind::Blob},
      {"", FieldKind::Unknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.declared);
    EXPECT_EQ(FieldKindFromDeclaredType(c.declared), c.kind);
  }
}

}  // namespace
}  // namespace qr::data
