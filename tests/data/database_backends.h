#pragma once

#include <gtest/gtest.h>

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
  }

  TempDir dir_;
  std::string location_;
  std::unique_ptr<qr::data::SqlConnection> connection_;
};

}  // namespace qrtest
