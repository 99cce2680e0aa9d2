#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "data/sql_connection.h"

namespace qr::data {

struct SampleOptions {
  int articles = 1000;
  std::uint64_t seed = 1;
  // Called now and then with the number of articles written so far.
  std::function<void(int)> progress;
};

// Writes the application tables the price list reads (Mnlus, CodAlt, Grupo1-3,
// Deptos) into the connected database, replacing any that exist: articles
// numbered 1..N with Spanish descriptions, one to three packaging rows each
// with units from both packaging lists and others, in mixed letter case.
// The same options give the same rows on SQLite and on PostgreSQL.
void WriteSampleDatabase(SqlConnection& connection, const SampleOptions& options);

// Creates (or recreates) an SQLite sample database file.
void CreateSampleSqliteFile(const std::string& path, const SampleOptions& options);

}  // namespace qr::data
