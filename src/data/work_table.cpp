#include "data/work_table.h"

#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>

#include "data/data_error.h"

namespace qr::data {
namespace {

class WorkTableField : public Field {
 public:
  WorkTableField(WorkTable& table, std::string name, FieldKind kind, int index)
      : Field(std::move(name), kind, index), table_(table) {}

  FieldValue Value() const override { return table_.CurrentCell(Index()); }
  void SetAsInteger(std::int64_t value) override {
    table_.SetCell(Index(), Storage::Integer, value, 0, {});
  }
  void SetAsFloat(double value) override { table_.SetCell(Index(), Storage::Float, 0, value, {}); }
  void SetAsString(std::string_view value) override {
    table_.SetCell(Index(), Storage::Text, 0, 0, value);
  }
  void Clear() override { table_.SetCell(Index(), Storage::Null, 0, 0, {}); }

 private:
  WorkTable& table_;
};

std::vector<std::string> SplitFields(std::string_view joined) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (start <= joined.size()) {
    const size_t end = std::min(joined.find(';', start), joined.size());
    if (end > start) fields.emplace_back(joined.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

std::string JoinFields(const std::vector<std::string>& fields, std::string_view separator,
                       bool quote) {
  std::string joined;
  for (const std::string& field : fields) {
    if (!joined.empty()) joined += separator;
    joined += quote ? QuoteIdentifier(field) : field;
  }
  return joined;
}

bool IsBusy(const DataError& error) {
  const std::string_view message = error.what();
  return message.find("locked") != std::string_view::npos ||
         message.find("busy") != std::string_view::npos;
}

}  // namespace

WorkTable::WorkTable(std::filesystem::path aliasDirectory, std::string tableName)
    : aliasDirectory_(std::move(aliasDirectory)), tableName_(std::move(tableName)) {}

WorkTable::~WorkTable() {
  try {
    Close();
  } catch (const DataError&) {
    // Nothing can be reported from a destructor; the rows of a failed commit are lost.
  }
}

std::filesystem::path WorkTable::TableFile(const std::filesystem::path& aliasDirectory,
                                           const std::string& tableName) {
  return aliasDirectory / (tableName + ".db");
}

void WorkTable::RequireClosed(const char* operation) const {
  if (Active())
    throw DataError(std::string("Cannot ") + operation + " on an open table '" + tableName_ + "'");
}

void WorkTable::ThrowInUse(const DataError& error) const {
  if (IsBusy(error))
    throw DataError("Table '" + tableName_ + "' is in use by another session (" + error.what() +
                    ")");
  throw error;
}

void WorkTable::RequireOpen() const {
  if (!Active()) throw DataError("Table '" + tableName_ + "' is not open");
}

std::unique_ptr<SqliteDatabase> WorkTable::OpenDatabase() const {
  if (!std::filesystem::is_directory(aliasDirectory_))
    throw DataError("Alias 'Temp' directory '" + aliasDirectory_.string() + "' does not exist");
  const std::filesystem::path file = FilePath();
  if (!std::filesystem::exists(file))
    throw DataError("Table '" + file.string() + "' does not exist");
  auto db = std::make_unique<SqliteDatabase>(file);
  try {
    // Every row is rebuilt on the next run, so durability is not worth a sync per commit.
    db->Execute("PRAGMA synchronous=OFF");
  } catch (const DataError& error) {
    ThrowInUse(error);
  }
  return db;
}

void WorkTable::SetIndexName(std::string name) {
  if (!Active()) {
    indexName_ = std::move(name);
    return;
  }
  CheckBrowseMode();
  orderFields_ = IndexFields(name);
  indexName_ = std::move(name);
  findKey_ = SqliteStatement();
  findKeyFieldCount_ = 0;
  orderValid_ = false;
  First();
}

void WorkTable::SetExclusive(bool exclusive) {
  RequireClosed("change exclusive access");
  exclusive_ = exclusive;
}

void WorkTable::RefreshIndexDefs() {
  auto db = OpenDatabase();
  std::vector<IndexDef> defs;
  std::vector<std::string> primaryKey;
  {
    auto columns =
        db->Prepare("SELECT name, pk FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk");
    columns.BindText(1, tableName_);
    while (columns.Step()) primaryKey.emplace_back(columns.ColumnText(0));
  }
  defs.push_back({"", JoinFields(primaryKey, ";", false)});
  auto indexes = db->Prepare(
      "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? "
      "AND name NOT LIKE 'sqlite_autoindex_%' ORDER BY rowid");
  indexes.BindText(1, tableName_);
  while (indexes.Step()) {
    IndexDef def{std::string(indexes.ColumnText(0)), {}};
    auto info = db->Prepare("SELECT name FROM pragma_index_info(?) ORDER BY seqno");
    info.BindText(1, def.name);
    std::vector<std::string> fields;
    while (info.Step()) fields.emplace_back(info.ColumnText(0));
    def.fields = JoinFields(fields, ";", false);
    defs.push_back(std::move(def));
  }
  indexDefs_ = std::move(defs);
}

int WorkTable::IndexDefPosition(std::string_view name) const {
  for (size_t i = 0; i < indexDefs_.size(); ++i)
    if (SameTextIgnoringAsciiCase(indexDefs_[i].name, name)) return static_cast<int>(i);
  return -1;
}

void WorkTable::DeleteIndex(std::string_view name) {
  RequireClosed("delete an index");
  OpenDatabase()->Execute("DROP INDEX " + QuoteIdentifier(name));
}

void WorkTable::AddIndex(std::string_view name, std::string_view fieldsJoinedBySemicolons) {
  RequireClosed("add an index");
  const std::vector<std::string> fields = SplitFields(fieldsJoinedBySemicolons);
  if (fields.empty()) throw DataError("Index '" + std::string(name) + "' has no fields");
  OpenDatabase()->Execute("CREATE INDEX " + QuoteIdentifier(name) + " ON " +
                          QuoteIdentifier(tableName_) + " (" + JoinFields(fields, ", ", true) +
                          ")");
}

void WorkTable::EmptyTable() {
  RequireClosed("empty the table");
  OpenDatabase()->Execute("DELETE FROM " + QuoteIdentifier(tableName_));
}

void WorkTable::Open() {
  if (Active()) return;
  db_ = OpenDatabase();
  try {
    LockForSession();
    LoadColumns();
    orderFields_ = IndexFields(indexName_);
    PrepareRowStatements();
  } catch (...) {
    ReleaseSession();
    throw;
  }
  state_ = State::Browse;
  orderValid_ = false;
  First();
}

void WorkTable::LockForSession() {
  try {
    if (exclusive_) {
      db_->Execute("PRAGMA locking_mode=EXCLUSIVE");
      db_->Execute("BEGIN EXCLUSIVE");
    } else {
      db_->Execute("BEGIN");
    }
    db_->Execute("SELECT count(*) FROM sqlite_master");
  } catch (const DataError& error) {
    ThrowInUse(error);
  }
}

void WorkTable::LoadColumns() {
  auto columns = db_->Prepare("SELECT name, type FROM pragma_table_info(?) ORDER BY cid");
  columns.BindText(1, tableName_);
  while (columns.Step()) {
    const int index = static_cast<int>(fields_.size());
    fields_.push_back(
        std::make_unique<WorkTableField>(*this, std::string(columns.ColumnText(0)),
                                         FieldKindFromDeclaredType(columns.ColumnText(1)), index));
  }
  if (fields_.empty()) throw DataError("Table '" + tableName_ + "' does not exist");
  cells_.assign(fields_.size(), Cell{});
}

std::vector<std::string> WorkTable::IndexFields(std::string_view indexName) {
  std::vector<std::string> fields;
  if (indexName.empty()) {
    auto pk = db_->Prepare("SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk");
    pk.BindText(1, tableName_);
    while (pk.Step()) fields.emplace_back(pk.ColumnText(0));
    return fields;
  }
  auto info = db_->Prepare(
      "SELECT ii.name FROM sqlite_master m, pragma_index_info(m.name) ii "
      "WHERE m.type = 'index' AND m.tbl_name = ? AND m.name = ? COLLATE NOCASE ORDER BY ii.seqno");
  info.BindText(1, tableName_);
  info.BindText(2, indexName);
  while (info.Step()) fields.emplace_back(info.ColumnText(0));
  if (fields.empty())
    throw DataError("Index '" + std::string(indexName) + "' not found on table '" + tableName_ +
                    "'");
  return fields;
}

void WorkTable::PrepareRowStatements() {
  std::vector<std::string> names;
  for (const auto& field : fields_) names.push_back(field->Name());
  const std::string table = QuoteIdentifier(tableName_);
  const std::string columnList = JoinFields(names, ", ", true);
  selectRow_ = db_->Prepare("SELECT " + columnList + " FROM " + table + " WHERE rowid = ?");
  std::string placeholders, assignments;
  for (size_t i = 0; i < names.size(); ++i) {
    placeholders += i ? ", ?" : "?";
    assignments += (i ? ", " : "") + QuoteIdentifier(names[i]) + " = ?";
  }
  insertRow_ =
      db_->Prepare("INSERT INTO " + table + " (" + columnList + ") VALUES (" + placeholders + ")");
  updateRow_ = db_->Prepare("UPDATE " + table + " SET " + assignments + " WHERE rowid = ?");
}

void WorkTable::ReleaseSession() {
  findKey_ = SqliteStatement();
  findKeyFieldCount_ = 0;
  selectRow_ = SqliteStatement();
  insertRow_ = SqliteStatement();
  updateRow_ = SqliteStatement();
  db_.reset();
  fields_.clear();
  cells_.clear();
  order_.clear();
  orderValid_ = positionKnown_ = false;
  currentRowid_ = 0;
  state_ = State::Inactive;
  eof_ = bof_ = true;
}

void WorkTable::Close() {
  if (!Active()) return;
  try {
    CheckBrowseMode();
    db_->Execute("COMMIT");
  } catch (...) {
    ReleaseSession();
    throw;
  }
  ReleaseSession();
}

void WorkTable::EnsureOrder() const {
  if (!orderValid_) {
    auto statement = db_->Prepare("SELECT rowid FROM " + QuoteIdentifier(tableName_) +
                                  " ORDER BY " + JoinFields(orderFields_, ", ", true) + ", rowid");
    order_.clear();
    while (statement.Step()) order_.push_back(statement.ColumnInteger(0));
    orderValid_ = true;
    positionKnown_ = false;
  }
  if (positionKnown_ || currentRowid_ == 0) return;
  const auto found = std::find(order_.begin(), order_.end(), currentRowid_);
  positionKnown_ = found != order_.end();
  position_ = positionKnown_ ? static_cast<size_t>(found - order_.begin()) : 0;
}

void WorkTable::LoadCells(const SqliteStatement& statement, int firstColumn) {
  for (size_t i = 0; i < cells_.size(); ++i) {
    Cell& cell = cells_[i];
    const int column = firstColumn + static_cast<int>(i);
    switch (statement.ColumnType(column)) {
      case SQLITE_INTEGER:
        cell.storage = Storage::Integer;
        cell.integer = statement.ColumnInteger(column);
        break;
      case SQLITE_FLOAT:
        cell.storage = Storage::Float;
        cell.number = statement.ColumnFloat(column);
        break;
      case SQLITE_NULL:
        cell.storage = Storage::Null;
        break;
      default:
        cell.storage = Storage::Text;
        cell.text.assign(statement.ColumnText(column));
        break;
    }
  }
}

void WorkTable::LoadRow(std::int64_t rowid) {
  selectRow_.Reset();
  selectRow_.BindInteger(1, rowid);
  if (!selectRow_.Step()) throw DataError("Record not found in table '" + tableName_ + "'");
  LoadCells(selectRow_, 0);
  selectRow_.Reset();
  currentRowid_ = rowid;
}

void WorkTable::ClearCells() {
  for (Cell& cell : cells_) cell.storage = Storage::Null;
}

void WorkTable::MoveTo(size_t position) {
  position_ = position;
  positionKnown_ = true;
  LoadRow(order_[position]);
}

void WorkTable::First() {
  RequireOpen();
  CheckBrowseMode();
  EnsureOrder();
  bof_ = true;
  eof_ = order_.empty();
  if (order_.empty()) {
    ClearCells();
    currentRowid_ = 0;
    positionKnown_ = false;
    return;
  }
  MoveTo(0);
}

void WorkTable::Next() {
  RequireOpen();
  CheckBrowseMode();
  EnsureOrder();
  if (order_.empty()) return;
  bof_ = false;
  if (positionKnown_ && position_ + 1 < order_.size())
    MoveTo(position_ + 1);
  else
    eof_ = true;
}

void WorkTable::Prior() {
  RequireOpen();
  CheckBrowseMode();
  EnsureOrder();
  if (order_.empty()) return;
  eof_ = false;
  if (positionKnown_ && position_ > 0)
    MoveTo(position_ - 1);
  else
    bof_ = true;
}

int WorkTable::RecordCount() const {
  if (!Active()) return 0;
  EnsureOrder();
  return static_cast<int>(order_.size());
}

int WorkTable::RecNo() const {
  if (!Active() || currentRowid_ == 0) return 0;
  EnsureOrder();
  return positionKnown_ ? static_cast<int>(position_) + 1 : 0;
}

bool WorkTable::FindKey(const std::vector<double>& keyValues) {
  RequireOpen();
  CheckBrowseMode();
  if (keyValues.empty() || keyValues.size() > orderFields_.size())
    throw DataError("FindKey on '" + tableName_ + "' needs 1 to " +
                    std::to_string(orderFields_.size()) + " key values");
  if (findKeyFieldCount_ != keyValues.size()) {
    std::string condition;
    for (size_t i = 0; i < keyValues.size(); ++i)
      condition += (i ? " AND " : "") + QuoteIdentifier(orderFields_[i]) + " = ?";
    std::vector<std::string> names;
    for (const auto& field : fields_) names.push_back(field->Name());
    findKey_ = db_->Prepare("SELECT rowid, " + JoinFields(names, ", ", true) + " FROM " +
                            QuoteIdentifier(tableName_) + " WHERE " + condition + " ORDER BY " +
                            JoinFields(orderFields_, ", ", true) + ", rowid LIMIT 1");
    findKeyFieldCount_ = keyValues.size();
  }
  findKey_.Reset();
  for (size_t i = 0; i < keyValues.size(); ++i)
    findKey_.BindFloat(static_cast<int>(i) + 1, keyValues[i]);
  const bool found = findKey_.Step();
  if (found) {
    LoadCells(findKey_, 1);
    currentRowid_ = findKey_.ColumnInteger(0);
    positionKnown_ = false;
    eof_ = bof_ = false;
  }
  findKey_.Reset();
  return found;
}

void WorkTable::Edit() {
  RequireOpen();
  if (state_ != State::Browse) return;
  if (currentRowid_ == 0)
    throw DataError("Cannot edit: table '" + tableName_ + "' has no current row");
  state_ = State::Edit;
}

void WorkTable::Append() {
  RequireOpen();
  CheckBrowseMode();
  ClearCells();
  currentRowid_ = 0;
  positionKnown_ = false;
  state_ = State::Insert;
}

void WorkTable::BindCells(SqliteStatement& statement) {
  for (size_t i = 0; i < cells_.size(); ++i) {
    const Cell& cell = cells_[i];
    const int index = static_cast<int>(i) + 1;
    switch (cell.storage) {
      case Storage::Null:
        statement.BindNull(index);
        break;
      case Storage::Integer:
        statement.BindInteger(index, cell.integer);
        break;
      case Storage::Float:
        statement.BindFloat(index, cell.number);
        break;
      case Storage::Text:
        statement.BindText(index, cell.text);
        break;
    }
  }
}

void WorkTable::Post() {
  RequireOpen();
  if (state_ == State::Insert) {
    insertRow_.Reset();
    BindCells(insertRow_);
    insertRow_.Step();
    insertRow_.Reset();
    currentRowid_ = db_->LastInsertRowid();
  } else if (state_ == State::Edit) {
    updateRow_.Reset();
    BindCells(updateRow_);
    updateRow_.BindInteger(static_cast<int>(cells_.size()) + 1, currentRowid_);
    updateRow_.Step();
    updateRow_.Reset();
  } else {
    return;
  }
  state_ = State::Browse;
  // The posted row takes its place in the current order; the order is rebuilt when read.
  orderValid_ = false;
  eof_ = bof_ = false;
}

void WorkTable::Cancel() {
  if (state_ != State::Edit && state_ != State::Insert) return;
  state_ = State::Browse;
  if (currentRowid_ != 0)
    LoadRow(currentRowid_);
  else
    First();
}

void WorkTable::CheckBrowseMode() {
  if (state_ == State::Edit || state_ == State::Insert) Post();
}

FieldValue WorkTable::CurrentCell(int column) const {
  if (!Active()) return {};
  const Cell& cell = cells_[column];
  FieldValue value;
  value.storage = cell.storage;
  value.integer = cell.integer;
  value.number = cell.number;
  if (cell.storage == Storage::Text) value.text = cell.text;
  return value;
}

void WorkTable::SetCell(int column, Storage storage, std::int64_t integer, double number,
                        std::string_view text) {
  if (state_ != State::Edit && state_ != State::Insert)
    throw DataError("Table '" + tableName_ + "' is not in edit or insert mode");
  Cell& cell = cells_[column];
  cell.storage = storage;
  cell.integer = integer;
  cell.number = number;
  if (storage == Storage::Text) cell.text.assign(text);
}

void CreatePriceListWorkTable(const std::filesystem::path& aliasDirectory) {
  std::filesystem::create_directories(aliasDirectory);
  SqliteDatabase db(WorkTable::TableFile(aliasDirectory, kWorkTableName), true);
  db.Execute("DROP TABLE IF EXISTS TempM_t");
  db.Execute(
      "CREATE TABLE TempM_t ("
      "Tienda INTEGER NOT NULL, Codigo DOUBLE NOT NULL, Descripcion VARCHAR(60), "
      "CodNombre DOUBLE, Nombre VARCHAR(60), "
      "CompraCan DOUBLE, CompraCos DOUBLE, TransCan DOUBLE, TransCos DOUBLE, "
      "VentasCan DOUBLE, VentasCos DOUBLE, PedCan DOUBLE, PedCos DOUBLE, AjustesCos DOUBLE, "
      "PRIMARY KEY (Tienda, Codigo))");
}

std::filesystem::path AliasTempDirectory() {
  if (const char* configured = std::getenv("QR_ALIAS_TEMP"); configured && *configured)
    return configured;
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path(data.toStdString()) / "rep-esp-orv" / "Temp";
}

void SetAliasTempDirectory(const std::filesystem::path& directory) {
  setenv("QR_ALIAS_TEMP", directory.c_str(), 1);
}

}  // namespace qr::data
