#include "data/result_table.h"

#include <bit>

#include "data/data_error.h"

namespace qr::data {
namespace {

// A text cell's payload: offset into the arena in the high bits, length in the low ones.
constexpr int kTextLengthBits = 24;
constexpr std::uint64_t kMaxTextLength = (std::uint64_t{1} << kTextLengthBits) - 1;

FieldKind KindOfValues(const ResultTable::Column& column) {
  bool anyInteger = false, anyFloat = false;
  for (Storage storage : column.storage) {
    if (storage == Storage::Text) return FieldKind::String;
    anyInteger |= storage == Storage::Integer;
    anyFloat |= storage == Storage::Float;
  }
  if (anyFloat) return FieldKind::Float;
  if (anyInteger) return FieldKind::Integer;
  return FieldKind::String;
}

}  // namespace

ResultTable::ResultTable(std::vector<Column> columns) : columns_(std::move(columns)) {}

FieldValue ResultTable::Cell(int row, int column) const {
  const Column& c = columns_[column];
  FieldValue value;
  value.storage = c.storage[row];
  const std::uint64_t payload = c.payload[row];
  switch (value.storage) {
    case Storage::Null:
      break;
    case Storage::Integer:
      value.integer = static_cast<std::int64_t>(payload);
      break;
    case Storage::Float:
      value.number = std::bit_cast<double>(payload);
      break;
    case Storage::Text:
      value.text = std::string_view(c.textArena)
                       .substr(payload >> kTextLengthBits, payload & kMaxTextLength);
      break;
  }
  return value;
}

void ResultTable::AppendNull(int column) {
  columns_[column].storage.push_back(Storage::Null);
  columns_[column].payload.push_back(0);
}

void ResultTable::AppendInteger(int column, std::int64_t value) {
  columns_[column].storage.push_back(Storage::Integer);
  columns_[column].payload.push_back(static_cast<std::uint64_t>(value));
}

void ResultTable::AppendFloat(int column, double value) {
  columns_[column].storage.push_back(Storage::Float);
  columns_[column].payload.push_back(std::bit_cast<std::uint64_t>(value));
}

void ResultTable::AppendText(int column, std::string_view text) {
  Column& c = columns_[column];
  if (text.size() > kMaxTextLength)
    throw DataError("A value of column '" + c.name + "' is too long to fetch");
  const std::uint64_t offset = c.textArena.size();
  c.textArena.append(text);
  c.storage.push_back(Storage::Text);
  c.payload.push_back(offset << kTextLengthBits | text.size());
}

void ResultTable::InferMissingKinds() {
  for (Column& column : columns_)
    if (column.kind == FieldKind::Unknown) column.kind = KindOfValues(column);
}

}  // namespace qr::data
