#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rep {

// What the price list selects by: the number carried by each item of the
// selection list. 3 (alternate code) is never offered by the list the plug-in fills.
enum SelectionKind : int {
  kByCode = 1,
  kByDescription = 2,
  kByAlternateCode = 3,
  kByGroup1 = 4,
  kByGroup2 = 5,
  kByGroup3 = 6,
  kByDepartment = 7,
};

// The last field of the sort index: 1 code, 2 description.
enum OrderKind : int { kOrderByCode = 1, kOrderByDescription = 2 };

// The price-list statement for a selection kind (1..7) and the range texts in
// their literal forms; the texts are appended as they stand.
// Throws std::invalid_argument for a kind outside 1..7.
std::string ComposePriceListStatement(int selectionKind, std::string_view from,
                                      std::string_view to);

// "Codigo" or "Descripcion"; throws std::invalid_argument for another order kind.
std::string OrderField(int orderKind);

}  // namespace rep

namespace rep {

// The pick list a range box is filled from: the statement and the column read.
struct PickList {
  std::string statement;
  std::string column;
};

// Kind 1 lists the article codes, kinds 4 to 7 the group or department names;
// the other kinds have no pick list (nothing is returned).
std::optional<PickList> PickListFor(int selectionKind);

}  // namespace rep
