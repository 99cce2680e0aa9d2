#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/dataset.h"

namespace qrtest {

// A dataset held in memory, for expression tests: columns with a name and a
// kind, rows of cells given as text, integer or float.
class MemoryDataset : public qr::data::Dataset {
 public:
  struct Cell {
    qr::data::Storage storage = qr::data::Storage::Null;
    std::int64_t integer = 0;
    double number = 0;
    std::string text;
  };
  static Cell Int(std::int64_t value) { return {qr::data::Storage::Integer, value, 0, {}}; }
  static Cell Real(double value) { return {qr::data::Storage::Float, 0, value, {}}; }
  static Cell Text(std::string value) { return {qr::data::Storage::Text, 0, 0, std::move(value)}; }
  static Cell Null() { return {}; }

  MemoryDataset(std::string name,
                std::vector<std::pair<std::string, qr::data::FieldKind>> columns) {
    SetName(std::move(name));
    for (auto& [fieldName, kind] : columns)
      fields_.push_back(
          std::make_unique<MemoryField>(*this, fieldName, kind, static_cast<int>(fields_.size())));
  }

  void AddRow(std::vector<Cell> cells) { rows_.push_back(std::move(cells)); }

  void Open() override { First(); }
  void Close() override {}
  bool Active() const override { return true; }
  void First() override { row_ = 0; }
  void Next() override { ++row_; }
  void Prior() override {
    if (row_ > 0) --row_;
  }
  bool Eof() const override { return row_ >= rows_.size(); }
  bool Bof() const override { return row_ == 0; }
  int RecordCount() const override { return static_cast<int>(rows_.size()); }
  int RecNo() const override { return Eof() ? 0 : static_cast<int>(row_) + 1; }
  int FieldCount() const override { return static_cast<int>(fields_.size()); }
  qr::data::Field& FieldAt(int index) override { return *fields_[index]; }

  // Drops the last field, as a reopened dataset with another statement may.
  void DropLastField() { fields_.pop_back(); }

  qr::data::FieldValue CurrentCell(int column) const {
    if (Eof()) return {};
    const Cell& cell = rows_[row_][column];
    return {cell.storage, cell.integer, cell.number, cell.text};
  }

 private:
  class MemoryField : public qr::data::Field {
   public:
    MemoryField(const MemoryDataset& dataset, std::string name, qr::data::FieldKind kind, int index)
        : Field(std::move(name), kind, index), dataset_(dataset) {}
    qr::data::FieldValue Value() const override { return dataset_.CurrentCell(Index()); }

   private:
    const MemoryDataset& dataset_;
  };

  std::vector<std::unique_ptr<qr::data::Field>> fields_;
  std::vector<std::vector<Cell>> rows_;
  std::size_t row_ = 0;
};

}  // namespace qrtest
