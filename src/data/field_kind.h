#pragma once

#include <string_view>

namespace qr::data {

// The kinds a dataset field can have. The expression layer and the printable
// controls decide how to read and format a value by its kind.
enum class FieldKind {
  Unknown,
  String,
  Integer,
  SmallInt,
  Word,
  Float,
  Currency,
  BCD,
  Boolean,
  Date,
  Time,
  DateTime,
  Memo,
  Blob,
};

bool IsNumericKind(FieldKind kind);
bool IsIntegerKind(FieldKind kind);
bool IsFloatKind(FieldKind kind);
std::string_view FieldKindName(FieldKind kind);

// Maps a declared SQL column type ("INTEGER", "varchar(40)", "NUMERIC(12,2)",
// "double precision", ...) to a field kind, following SQLite's affinity rules
// extended with the date and boolean names both databases use. An empty
// declaration gives Unknown: the caller decides from the values.
FieldKind FieldKindFromDeclaredType(std::string_view declaredType);

}  // namespace qr::data
