#include "data/sql_connection.h"

#include <sqlite3.h>

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <QTime>
#include <QUrl>
#include <QUrlQuery>
#include <atomic>

#include "data/data_error.h"

namespace qr::data {
namespace {

QString NewConnectionName() {
  static std::atomic<int> counter{0};
  return QStringLiteral("qr-connection-%1").arg(++counter);
}

std::string ErrorText(const QSqlError& error) {
  QString text = error.databaseText().trimmed();
  if (text.isEmpty()) text = error.text().trimmed();
  return text.toStdString();
}

FieldKind KindFromMetaType(QMetaType type) {
  switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return FieldKind::Integer;
    case QMetaType::Short:
    case QMetaType::UShort:
      return FieldKind::SmallInt;
    case QMetaType::Double:
    case QMetaType::Float:
      return FieldKind::Float;
    case QMetaType::Bool:
      return FieldKind::Boolean;
    case QMetaType::QDate:
      return FieldKind::Date;
    case QMetaType::QTime:
      return FieldKind::Time;
    case QMetaType::QDateTime:
      return FieldKind::DateTime;
    case QMetaType::QByteArray:
      return FieldKind::Blob;
    case QMetaType::QString:
      return FieldKind::String;
    default:
      return FieldKind::Unknown;
  }
}

// SQLite's driver reports types from the value of the first row; the declared
// column type is what decides the kind, so read it from the statement itself.
FieldKind SqliteDeclaredKind(const QSqlQuery& query, int column) {
  const QVariant handle = query.result()->handle();
  if (qstrcmp(handle.typeName(), "sqlite3_stmt*") != 0) return FieldKind::Unknown;
  sqlite3_stmt* statement = *static_cast<sqlite3_stmt* const*>(handle.constData());
  if (statement == nullptr) return FieldKind::Unknown;
  const char* declared = sqlite3_column_decltype(statement, column);
  return declared ? FieldKindFromDeclaredType(declared) : FieldKind::Unknown;
}

std::vector<ResultTable::Column> DescribeColumns(const QSqlQuery& query, bool isPostgres) {
  const QSqlRecord record = query.record();
  std::vector<ResultTable::Column> columns(record.count());
  for (int i = 0; i < record.count(); ++i) {
    columns[i].name = record.fieldName(i).toStdString();
    columns[i].kind =
        isPostgres ? KindFromMetaType(record.field(i).metaType()) : SqliteDeclaredKind(query, i);
  }
  return columns;
}

void AppendValue(ResultTable& table, int column, const QVariant& value) {
  if (value.isNull()) return table.AppendNull(column);
  switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return table.AppendInteger(column, value.toLongLong());
    case QMetaType::Bool:
      return table.AppendInteger(column, value.toBool() ? 1 : 0);
    case QMetaType::Double:
    case QMetaType::Float:
      return table.AppendFloat(column, value.toDouble());
    case QMetaType::QDate:
      return table.AppendText(column, value.toDate().toString(Qt::ISODate).toStdString());
    case QMetaType::QTime:
      return table.AppendText(column, value.toTime().toString(Qt::ISODate).toStdString());
    case QMetaType::QDateTime:
      return table.AppendText(column, value.toDateTime().toString(Qt::ISODate).toStdString());
    case QMetaType::QByteArray: {
      const QByteArray bytes = value.toByteArray();
      return table.AppendText(column, std::string_view(bytes.constData(), bytes.size()));
    }
    default: {
      const QByteArray utf8 = value.toString().toUtf8();
      return table.AppendText(column, std::string_view(utf8.constData(), utf8.size()));
    }
  }
}

}  // namespace

bool SqlConnection::IsPostgresUrl(const std::string& location) {
  return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::unique_ptr<SqlConnection> SqlConnection::CreateSqlite(const std::string& path) {
  return std::unique_ptr<SqlConnection>(new SqlConnection(path, true));
}

SqlConnection::SqlConnection(const std::string& location) : SqlConnection(location, false) {}

SqlConnection::SqlConnection(const std::string& location, bool createIfMissing)
    : location_(location), connectionName_(NewConnectionName()) {
  isPostgres_ = IsPostgresUrl(location);
  QSqlDatabase db;
  if (isPostgres_) {
    const QUrl url(QString::fromStdString(location));
    if (!url.isValid() || url.path().size() < 2)
      throw DataError("Invalid PostgreSQL address '" + location +
                      "': expected postgresql://user@host:port/database");
    db = QSqlDatabase::addDatabase("QPSQL", connectionName_);
    db.setHostName(url.host());
    if (url.port() > 0) db.setPort(url.port());
    db.setUserName(url.userName());
    db.setPassword(url.password());
    db.setDatabaseName(url.path().mid(1));
  } else {
    if (!createIfMissing && !QFileInfo::exists(QString::fromStdString(location)))
      throw DataError("Database file '" + location + "' does not exist");
    db = QSqlDatabase::addDatabase("QSQLITE", connectionName_);
    db.setDatabaseName(QString::fromStdString(location));
  }
  if (!db.isValid()) {
    QSqlDatabase::removeDatabase(connectionName_);
    throw DataError("The database driver for '" + location + "' is not installed");
  }
  if (!db.open()) {
    const std::string message = ErrorText(db.lastError());
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName_);
    throw DataError("Cannot open database '" + location + "': " + message);
  }
}

SqlConnection::~SqlConnection() {
  {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(connectionName_);
}

std::unique_ptr<ResultTable> SqlConnection::Execute(const std::string& providerName,
                                                    const std::string& commandText) {
  if (providerName != kPriceListProvider)
    throw DataError("Provider '" + providerName +
                    "' is not served by this connection (it serves '" + kPriceListProvider + "')");
  QSqlQuery query(QSqlDatabase::database(connectionName_, false));
  query.setForwardOnly(true);
  if (!query.exec(QString::fromStdString(commandText)))
    throw DataError(ErrorText(query.lastError()));
  auto table = std::make_unique<ResultTable>(DescribeColumns(query, isPostgres_));
  const int columnCount = table->ColumnCount();
  while (query.next()) {
    for (int i = 0; i < columnCount; ++i) AppendValue(*table, i, query.value(i));
    table->FinishRow();
  }
  if (query.lastError().isValid()) throw DataError(ErrorText(query.lastError()));
  table->InferMissingKinds();
  return table;
}

void SqlConnection::ExecuteStatement(const std::string& statement) {
  QSqlQuery query(QSqlDatabase::database(connectionName_, false));
  if (!query.exec(QString::fromStdString(statement))) throw DataError(ErrorText(query.lastError()));
}

void SqlConnection::BeginTransaction() {
  if (!QSqlDatabase::database(connectionName_, false).transaction())
    throw DataError("Cannot start a transaction on '" + location_ + "'");
}

void SqlConnection::Commit() {
  QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
  if (!db.commit()) throw DataError(ErrorText(db.lastError()));
}

}  // namespace qr::data
