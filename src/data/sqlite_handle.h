#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace qr::data {

// Owns a prepared statement; throws DataError with SQLite's message on failure.
class SqliteStatement {
 public:
  SqliteStatement() = default;
  SqliteStatement(sqlite3* db, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(SqliteStatement&& other) noexcept;
  SqliteStatement& operator=(SqliteStatement&& other) noexcept;

  // Returns true while a row is available.
  bool Step();
  void Reset();
  void BindNull(int index);
  void BindInteger(int index, std::int64_t value);
  void BindFloat(int index, double value);
  void BindText(int index, std::string_view text);

  int ColumnType(int column) const { return sqlite3_column_type(statement_, column); }
  std::int64_t ColumnInteger(int column) const { return sqlite3_column_int64(statement_, column); }
  double ColumnFloat(int column) const { return sqlite3_column_double(statement_, column); }
  std::string_view ColumnText(int column) const;
  bool IsPrepared() const { return statement_ != nullptr; }

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* statement_ = nullptr;
};

// Owns a database connection.
class SqliteDatabase {
 public:
  // Opens an existing file read-write; throws DataError when it cannot.
  explicit SqliteDatabase(const std::filesystem::path& file, bool create = false);
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  void Execute(std::string_view sql);
  SqliteStatement Prepare(std::string_view sql) { return SqliteStatement(db_, sql); }
  std::int64_t LastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }
  sqlite3* Handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

// Quotes an identifier for SQL ("a""b").
std::string QuoteIdentifier(std::string_view name);

}  // namespace qr::data
