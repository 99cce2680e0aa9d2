#include "data/client_dataset.h"

#include "data/data_error.h"

namespace qr::data {
namespace {

class ResultField : public Field {
 public:
  ResultField(const ClientDataSet& dataset, const ResultTable::Column& column, int index)
      : Field(column.name, column.kind, index), dataset_(dataset) {}
  FieldValue Value() const override { return dataset_.CurrentCell(Index()); }

 private:
  const ClientDataSet& dataset_;
};

}  // namespace

ClientDataSet::ClientDataSet() = default;
ClientDataSet::~ClientDataSet() = default;

void ClientDataSet::Open() {
  if (Active()) return;
  if (remoteServer_ == nullptr) throw DataError("Missing remote server");
  if (commandText_.empty()) throw DataError("No SQL statement available");
  table_ = remoteServer_->Execute(providerName_, commandText_);
  for (int i = 0; i < table_->ColumnCount(); ++i)
    fields_.push_back(std::make_unique<ResultField>(*this, table_->ColumnAt(i), i));
  First();
}

void ClientDataSet::Close() {
  fields_.clear();
  table_.reset();
  row_ = 0;
  eof_ = bof_ = true;
}

void ClientDataSet::RequireActive() const {
  if (!Active()) throw DataError("Cannot perform this operation on a closed dataset");
}

void ClientDataSet::First() {
  RequireActive();
  row_ = 0;
  bof_ = true;
  eof_ = table_->RowCount() == 0;
}

void ClientDataSet::Next() {
  RequireActive();
  bof_ = false;
  if (row_ + 1 < table_->RowCount())
    ++row_;
  else
    eof_ = true;
}

void ClientDataSet::Prior() {
  RequireActive();
  eof_ = false;
  if (row_ > 0)
    --row_;
  else
    bof_ = true;
  if (table_->RowCount() == 0) eof_ = true;
}

int ClientDataSet::RecordCount() const {
  return Active() ? table_->RowCount() : 0;
}

int ClientDataSet::RecNo() const {
  return Active() && table_->RowCount() > 0 ? row_ + 1 : 0;
}

FieldValue ClientDataSet::CurrentCell(int column) const {
  if (!Active() || table_->RowCount() == 0) return {};
  return table_->Cell(row_, column);
}

}  // namespace qr::data
