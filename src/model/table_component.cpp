#include "model/table_component.h"

#include "model/class_registry.h"

namespace qr {

data::WorkTable& TTable::Table() {
  if (!table_) {
    // The alias "Temp" is the only one the application has; the stored table
    // name carries the desktop-database extension, which the SQLite file drops.
    std::string name = TableName;
    if (const size_t dot = name.rfind('.'); dot != std::string::npos) name.resize(dot);
    table_ = std::make_unique<data::WorkTable>(data::AliasTempDirectory(), name);
    table_->SetName(Name());
  }
  return *table_;
}

}  // namespace qr
