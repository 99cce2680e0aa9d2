#pragma once

#include "data/dataset.h"
#include "data/work_table.h"

namespace rep {

// Readies the closed work table for a run: primary-key order, exclusive use,
// and the sort index "Indice" of the previous run deleted.
void PrepareWorkTable(qr::data::WorkTable& table);

// Folds the current row of the price-list result into the open work table:
// the article's row is found or created (identity fields from its first row),
// and the packaging's multiplier and prices go into the column pairs chosen
// by the packaging unit's name.
class PresentationFold {
 public:
  PresentationFold(qr::data::Dataset& result, qr::data::WorkTable& table);
  void FoldCurrentRow();

 private:
  qr::data::WorkTable& table_;
  // Result columns, looked up once: a missing one fails before the first row.
  qr::data::Field &codigo_, &descripcion_, &codNombre_, &nombre_, &unidad_, &mult_;
  qr::data::Field &precio_, &precio2_, &precio3_, &precio4_, &precio5_;
  // Work-table fields.
  qr::data::Field &tienda_, &tCodigo_, &tDescripcion_, &tCodNombre_, &tNombre_, &ajustesCos_;
  qr::data::Field &compraCan_, &compraCos_, &transCan_, &transCos_;
  qr::data::Field &ventasCan_, &ventasCos_, &pedCan_, &pedCos_;
};

// Builds "Indice" on Tienda;CodNombre; and the order field, makes it current
// and opens the table in that order.
void BuildSortIndex(qr::data::WorkTable& table, int orderKind);

// Which packaging column pair a unit name selects. Only a-z are raised; the
// whole text must equal a listed name.
enum class PackagingList { None, First, Second };
PackagingList ClassifyUnit(std::string_view unit);

inline constexpr const char* kSortIndexName = "Indice";

}  // namespace rep
