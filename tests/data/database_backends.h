#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "data/sql_connection.h"
#include "support/temp_dir.h"

namespace qrtest {

// The two databases a host may connect to. PostgreSQL tests run against the
// server named by QR_TEST_POSTGRES_URL (scripts/with-postgres starts one) and
// are skipped without it.
enum class Backend { Sqlite, Postgres };

inline std::string BackendName(const testing::TestParamInfo<Backend>& info) {
  return info.param == Backend::Sqlite ? "Sqlite" : "Postgres";
}

inline const char* PostgresUrl() {
  return std::getenv("QR_TEST_POSTGRES_URL");
}

// Opens a connection to an empty database of the backend, or skips the test.
// Tests run in parallel against one server: each works in a schema of its
// own, named after its process, and drops it at the end.
class PrivateSchema {
 public:
  explicit PrivateSchema(qr::data::SqlConnection& connection)
      : connection_(connection), name_("t" + std::to_string(getpid())) {
    connection_.ExecuteStatement("DROP SCHEMA IF EXISTS " + name_ + " CASCADE");
    connection_.ExecuteStatement("CREATE SCHEMA " + name_);
    connection_.ExecuteStatement("SET search_path TO " + name_);
  }
  ~PrivateSchema() {
    try {
      connection_.ExecuteStatement("DROP SCHEMA IF EXISTS " + name_ + " CASCADE");
    } catch (...) {
      // The server goes away with the test run anyway.
    }
  }

 private:
  qr::data::SqlConnection& connection_;
  std::string name_;
};

class BackendTest : public testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::Postgres) {
      if (PostgresUrl() == nullptr) GTEST_SKIP() << "QR_TEST_POSTGRES_URL is not set";
      location_ = PostgresUrl();
    } else {
      location_ = dir_.File("app.db");
    }
    connection_ = GetParam() == Backend::Sqlite
                      ? qr::data::SqlConnection::CreateSqlite(location_)
                      : std::make_unique<qr::data::SqlConnection>(location_);
    if (GetParam() == Backend::Postgres) schema_ = std::make_unique<PrivateSchema>(*connection_);
  }
  void TearDown() override { schema_.reset(); }

  TempDir dir_;
  std::string location_;
  std::unique_ptr<qr::data::SqlConnection> connection_;
  std::unique_ptr<PrivateSchema> schema_;
};

}  // namespace qrtest
