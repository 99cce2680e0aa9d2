#include "data/field_kind.h"

#include <QByteArray>

namespace qr::data {

bool IsIntegerKind(FieldKind kind) {
  return kind == FieldKind::Integer || kind == FieldKind::SmallInt || kind == FieldKind::Word;
}

bool IsFloatKind(FieldKind kind) {
  return kind == FieldKind::Float || kind == FieldKind::Currency || kind == FieldKind::BCD;
}

bool IsNumericKind(FieldKind kind) {
  return IsIntegerKind(kind) || IsFloatKind(kind);
}

std::string_view FieldKindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::Unknown:
      return "unknown";
    case FieldKind::String:
      return "string";
    case FieldKind::Integer:
      return "integer";
    case FieldKind::SmallInt:
      return "smallint";
    case FieldKind::Word:
      return "word";
    case FieldKind::Float:
      return "float";
    case FieldKind::Currency:
      return "currency";
    case FieldKind::BCD:
      return "bcd";
    case FieldKind::Boolean:
      return "boolean";
    case FieldKind::Date:
      return "date";
    case FieldKind::Time:
      return "time";
    case FieldKind::DateTime:
      return "datetime";
    case FieldKind::Memo:
      return "memo";
    case FieldKind::Blob:
      return "blob";
  }
  return "unknown";
}

FieldKind FieldKindFromDeclaredType(std::string_view declaredType) {
  const QByteArray type = QByteArray(declaredType.data(), declaredType.size()).trimmed().toUpper();
  if (type.isEmpty()) return FieldKind::Unknown;
  if (type.startsWith("SMALLINT") || type == "INT2") return FieldKind::SmallInt;
  if (type.startsWith("BOOL")) return FieldKind::Boolean;
  if (type.contains("INT") || type.startsWith("SERIAL") || type.startsWith("BIGSERIAL"))
    return FieldKind::Integer;
  if (type.startsWith("TIMESTAMP") || type.startsWith("DATETIME")) return FieldKind::DateTime;
  if (type.startsWith("DATE")) return FieldKind::Date;
  if (type.startsWith("TIME")) return FieldKind::Time;
  if (type.contains("CHAR") || type.contains("CLOB") || type == "TEXT" || type.startsWith("TEXT"))
    return FieldKind::String;
  if (type.contains("BLOB") || type == "BYTEA") return FieldKind::Blob;
  if (type.startsWith("MONEY")) return FieldKind::Currency;
  if (type.contains("REAL") || type.contains("FLOA") || type.contains("DOUB") ||
      type.startsWith("NUMERIC") || type.startsWith("DECIMAL"))
    return FieldKind::Float;
  // SQLite gives any other declared name numeric affinity.
  return FieldKind::Float;
}

}  // namespace qr::data
