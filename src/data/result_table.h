#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/dataset.h"

namespace qr::data {

// The rows of one statement's result, held in memory column by column:
// a storage tag and an 8-byte payload per cell, texts in one arena per column.
// Built by a connection, then read through a ResultCursor.
class ResultTable {
 public:
  struct Column {
    std::string name;
    FieldKind kind = FieldKind::Unknown;
    std::vector<Storage> storage;
    std::vector<std::uint64_t> payload;  // integer, double bits, or text offset/length
    std::string textArena;
  };

  explicit ResultTable(std::vector<Column> columns);
  // Virtual so that a table built by one module can be released by another.
  virtual ~ResultTable() = default;

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  int RowCount() const { return rowCount_; }
  const Column& ColumnAt(int index) const { return columns_[index]; }
  FieldValue Cell(int row, int column) const;

  // Building: append one row's cells in column order, then call FinishRow.
  void AppendNull(int column);
  void AppendInteger(int column, std::int64_t value);
  void AppendFloat(int column, double value);
  void AppendText(int column, std::string_view text);
  void FinishRow() { ++rowCount_; }
  // Columns without a declared type take the kind their values have in common.
  void InferMissingKinds();

 private:
  std::vector<Column> columns_;
  int rowCount_ = 0;
};

}  // namespace qr::data
