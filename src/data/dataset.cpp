#include "data/dataset.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <charconv>
#include <cmath>

#include "data/data_error.h"
#include "platform/float_text.h"

namespace qr::data {
namespace {

double ParseNumber(std::string_view text) {
  std::string_view trimmed = text;
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.remove_prefix(1);
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size())
    throw DataError("'" + std::string(text) + "' is not a valid number");
  return value;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string DateTimeDisplayText(FieldKind kind, std::string_view iso) {
  const Locale& locale = Locale::Current();
  const QString text = ToQString(iso);
  switch (kind) {
    case FieldKind::Date:
      return locale.FormatShortDate(QDate::fromString(text.left(10), Qt::ISODate));
    case FieldKind::Time:
      return locale.FormatLongTime(QTime::fromString(text, Qt::ISODate));
    default: {
      const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
      std::string result = locale.FormatShortDate(dateTime.date());
      if (dateTime.time() != QTime(0, 0)) result += " " + locale.FormatLongTime(dateTime.time());
      return result;
    }
  }
}

}  // namespace

bool SameTextIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

std::string Field::AsString() const {
  const FieldValue value = Value();
  switch (value.storage) {
    case Storage::Null:
      return {};
    case Storage::Integer:
      return std::to_string(value.integer);
    case Storage::Float:
      return GeneralFloatText(value.number);
    case Storage::Text:
      return std::string(value.text);
  }
  return {};
}

double Field::AsFloat() const {
  const FieldValue value = Value();
  switch (value.storage) {
    case Storage::Null:
      return 0;
    case Storage::Integer:
      return static_cast<double>(value.integer);
    case Storage::Float:
      return value.number;
    case Storage::Text:
      return ParseNumber(value.text);
  }
  return 0;
}

std::int64_t Field::AsInteger() const {
  const FieldValue value = Value();
  switch (value.storage) {
    case Storage::Null:
      return 0;
    case Storage::Integer:
      return value.integer;
    case Storage::Float:
      return std::llround(value.number);
    case Storage::Text:
      return std::llround(ParseNumber(value.text));
  }
  return 0;
}

bool Field::AsBoolean() const {
  const FieldValue value = Value();
  switch (value.storage) {
    case Storage::Null:
      return false;
    case Storage::Integer:
      return value.integer != 0;
    case Storage::Float:
      return value.number != 0;
    case Storage::Text:
      return SameTextIgnoringAsciiCase(value.text, "true") ||
             SameTextIgnoringAsciiCase(value.text, "t") || value.text == "1";
  }
  return false;
}

std::string Field::DisplayText() const {
  const FieldValue value = Value();
  if (value.storage == Storage::Null) return {};
  const FieldKind kind = Kind();
  if (IsFloatKind(kind)) return GeneralFloatText(AsFloat());
  if (IsIntegerKind(kind)) return std::to_string(AsInteger());
  if (kind == FieldKind::Boolean) return AsBoolean() ? "True" : "False";
  if (kind == FieldKind::Date || kind == FieldKind::Time || kind == FieldKind::DateTime)
    return value.storage == Storage::Text ? DateTimeDisplayText(kind, value.text) : AsString();
  return AsString();
}

void Field::SetAsInteger(std::int64_t) {
  throw DataError("Field '" + name_ + "' is read-only");
}
void Field::SetAsFloat(double) {
  throw DataError("Field '" + name_ + "' is read-only");
}
void Field::SetAsString(std::string_view) {
  throw DataError("Field '" + name_ + "' is read-only");
}
void Field::Clear() {
  throw DataError("Field '" + name_ + "' is read-only");
}

Field* Dataset::FindField(std::string_view name) {
  const int count = FieldCount();
  for (int i = 0; i < count; ++i) {
    Field& field = FieldAt(i);
    if (SameTextIgnoringAsciiCase(field.Name(), name)) return &field;
  }
  return nullptr;
}

Field& Dataset::FieldByName(std::string_view name) {
  if (Field* field = FindField(name)) return *field;
  throw DataError("Field '" + std::string(name) + "' not found");
}

}  // namespace qr::data
