#include "data/sqlite_handle.h"

#include "data/data_error.h"

namespace qr::data {
namespace {

[[noreturn]] void Fail(sqlite3* db) {
  throw DataError(sqlite3_errmsg(db));
}

}  // namespace

SqliteStatement::SqliteStatement(sqlite3* db, std::string_view sql) : db_(db) {
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr) !=
      SQLITE_OK)
    Fail(db);
}

SqliteStatement::~SqliteStatement() {
  sqlite3_finalize(statement_);
}

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(other.db_), statement_(other.statement_) {
  other.statement_ = nullptr;
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(statement_);
    db_ = other.db_;
    statement_ = other.statement_;
    other.statement_ = nullptr;
  }
  return *this;
}

bool SqliteStatement::Step() {
  const int result = sqlite3_step(statement_);
  if (result == SQLITE_ROW) return true;
  if (result == SQLITE_DONE) return false;
  const std::string message = sqlite3_errmsg(db_);
  sqlite3_reset(statement_);
  throw DataError(message);
}

void SqliteStatement::Reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

void SqliteStatement::BindNull(int index) {
  sqlite3_bind_null(statement_, index);
}

void SqliteStatement::BindInteger(int index, std::int64_t value) {
  sqlite3_bind_int64(statement_, index, value);
}

void SqliteStatement::BindFloat(int index, double value) {
  sqlite3_bind_double(statement_, index, value);
}

void SqliteStatement::BindText(int index, std::string_view text) {
  sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                    SQLITE_TRANSIENT);
}

std::string_view SqliteStatement::ColumnText(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
  return text ? std::string_view(text, sqlite3_column_bytes(statement_, column))
              : std::string_view();
}

SqliteDatabase::SqliteDatabase(const std::filesystem::path& file, bool create) {
  const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
  if (sqlite3_open_v2(file.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    throw DataError("Cannot open '" + file.string() + "': " + message);
  }
}

SqliteDatabase::~SqliteDatabase() {
  sqlite3_close_v2(db_);
}

void SqliteDatabase::Execute(std::string_view sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw DataError(message);
  }
}

std::string QuoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace qr::data
