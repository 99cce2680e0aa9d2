#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "data/data_error.h"
#include "data/dataset.h"
#include "data/sqlite_handle.h"

namespace qr::data {

// An index of the work table: its name ("" for the primary key) and its
// fields joined by ";".
struct IndexDef {
  std::string name;
  std::string fields;
};

// A local table kept in an SQLite file `<alias directory>/<table>.db`.
// It behaves like a keyed desktop-database table: an optional exclusive open,
// a current index that fixes the row order, find by key, and row editing with
// Edit/Append, field setters and Post. While open, one transaction stays open
// and is committed on Close, so folding many rows costs one commit.
// Structural operations (indexes, emptying) work on the closed table.
class WorkTable : public Dataset {
 public:
  enum class State { Inactive, Browse, Edit, Insert };

  WorkTable(std::filesystem::path aliasDirectory, std::string tableName);
  ~WorkTable() override;

  static std::filesystem::path TableFile(const std::filesystem::path& aliasDirectory,
                                         const std::string& tableName);
  std::filesystem::path FilePath() const { return TableFile(aliasDirectory_, tableName_); }
  const std::string& TableName() const { return tableName_; }

  const std::string& IndexName() const { return indexName_; }
  // "" selects the primary key. On an open table the rows are reordered and
  // the table stands on the first row.
  void SetIndexName(std::string name);
  bool Exclusive() const { return exclusive_; }
  // Only while closed; an open with Exclusive keeps every other session out.
  void SetExclusive(bool exclusive);

  void RefreshIndexDefs();
  const std::vector<IndexDef>& IndexDefs() const { return indexDefs_; }
  // Case-insensitive; -1 when absent. The primary key is at 0.
  int IndexDefPosition(std::string_view name) const;
  void DeleteIndex(std::string_view name);
  // Ascending, not unique, case-sensitive. Fails when the name exists.
  void AddIndex(std::string_view name, std::string_view fieldsJoinedBySemicolons);
  // Removes every row.
  void EmptyTable();

  void Open() override;
  void Close() override;
  bool Active() const override { return db_ != nullptr; }
  State GetState() const { return state_; }

  void First() override;
  void Next() override;
  void Prior() override;
  bool Eof() const override { return eof_; }
  bool Bof() const override { return bof_; }
  int RecordCount() const override;
  int RecNo() const override;

  int FieldCount() const override { return static_cast<int>(fields_.size()); }
  Field& FieldAt(int index) override { return *fields_[index]; }

  // Positions on the first row (in the current index's order) whose leading
  // index fields equal the values; returns whether one was found.
  bool FindKey(const std::vector<double>& keyValues);
  void Edit();
  void Append();
  void Post();
  void Cancel();

  // Read and written by the fields.
  FieldValue CurrentCell(int column) const;
  void SetCell(int column, Storage storage, std::int64_t integer, double number,
               std::string_view text);

 private:
  struct Cell {
    Storage storage = Storage::Null;
    std::int64_t integer = 0;
    double number = 0;
    std::string text;
  };

  void RequireClosed(const char* operation) const;
  void RequireOpen() const;
  // Turns SQLite's "database is locked" into a message that names the table.
  [[noreturn]] void ThrowInUse(const DataError& error) const;
  std::unique_ptr<SqliteDatabase> OpenDatabase() const;
  void LockForSession();
  void LoadColumns();
  std::vector<std::string> IndexFields(std::string_view indexName);
  void PrepareRowStatements();
  void EnsureOrder() const;
  void LoadRow(std::int64_t rowid);
  void LoadCells(const SqliteStatement& statement, int firstColumn);
  void ClearCells();
  void MoveTo(size_t position);
  void BindCells(SqliteStatement& statement);
  void CheckBrowseMode();
  void ReleaseSession();

  std::filesystem::path aliasDirectory_;
  std::string tableName_;
  std::string indexName_;
  bool exclusive_ = false;
  std::vector<IndexDef> indexDefs_;

  std::unique_ptr<SqliteDatabase> db_;
  std::vector<std::unique_ptr<Field>> fields_;
  std::vector<std::string> orderFields_;
  SqliteStatement selectRow_, insertRow_, updateRow_, findKey_;
  size_t findKeyFieldCount_ = 0;
  std::vector<Cell> cells_;
  std::int64_t currentRowid_ = 0;
  State state_ = State::Inactive;
  bool eof_ = true;
  bool bof_ = true;

  // The rows in the current order, rebuilt lazily after a post changed them.
  mutable std::vector<std::int64_t> order_;
  mutable bool orderValid_ = false;
  mutable size_t position_ = 0;
  mutable bool positionKnown_ = false;
};

// The host's set-up step: (re)creates an empty TempM_t in the alias directory.
void CreatePriceListWorkTable(const std::filesystem::path& aliasDirectory);

// The directory of the local alias "Temp": $QR_ALIAS_TEMP when set, else
// "rep-esp-orv/Temp" under the user's data directory. The environment carries
// it so that a host and the libraries it loads agree on it.
std::filesystem::path AliasTempDirectory();
void SetAliasTempDirectory(const std::filesystem::path& directory);

inline constexpr const char* kWorkTableName = "TempM_t";

}  // namespace qr::data
