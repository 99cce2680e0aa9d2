#pragma once

#include <memory>
#include <string>

#include "data/work_table.h"
#include "model/dataset_component.h"

namespace qr {

// A local table as a report definition names it: the alias ("Temp") and the
// table ("TempM_t.DB"). The table itself is the SQLite work table of that
// name in the alias directory.
class TTable : public TDataSetComponent {
 public:
  explicit TTable(Component* owner) : TDataSetComponent(owner) {}
  const ClassInfo& Class() const override;

  std::string DatabaseName;
  std::string TableName;

  data::Dataset& GetDataset() override { return Table(); }
  // Created on first use from DatabaseName and TableName.
  data::WorkTable& Table();

 private:
  std::unique_ptr<data::WorkTable> table_;
};

}  // namespace qr
