#include "plugin/statement.h"

#include <array>
#include <stdexcept>

namespace rep {
namespace {

struct KindPieces {
  std::string_view nameColumn;
  std::string_view codeColumn;
  std::string_view joinTable;
  std::string_view joinCondition;
  std::string_view whereField;
};

// Indexed by selection kind - 1.
constexpr std::array<KindPieces, 7> kPieces = {{
    {"M.Descripcion", "M.Codigo", " ", "", "M.Codigo"},
    {"M.Descripcion", "M.Codigo", " ", "", "M.Descripcion"},
    {"M.Descripcion", "C.CodAlt", " ", "", "C.CodAlt"},
    {"G.Nombre", "G.ID", ",Grupo1 G ", " and G.ID=M.Grupo1", "M.Grupo1"},
    {"G.Nombre", "G.ID", ",Grupo2 G ", " and G.ID=M.Grupo2", "M.Grupo2"},
    {"G.Nombre", "G.ID", ",Grupo3 G ", " and G.ID=M.Grupo3", "M.Grupo3"},
    {"G.DEPTO_NAME", "G.DEPTO_NO", ",Deptos G ", " and G.DEPTO_NO=M.Departamento",
     "M.Departamento"},
}};

constexpr std::array<std::string_view, 2> kOrderFields = {"Codigo", "Descripcion"};

}  // namespace

std::string ComposePriceListStatement(int selectionKind, std::string_view from,
                                      std::string_view to) {
  if (selectionKind < 1 || selectionKind > static_cast<int>(kPieces.size()))
    throw std::invalid_argument("Unknown selection kind " + std::to_string(selectionKind));
  const KindPieces& k = kPieces[selectionKind - 1];
  std::string sql = "Select C.Codigo,";
  sql += k.nameColumn;
  sql += " as Nombre,C.Mult,";
  sql += k.codeColumn;
  sql +=
      " as CodNombre,CodAlt,C.Unidad,M.Descripcion,M.Precio,M.Precio2,M.Precio3,M.Precio4,"
      "M.Precio5,M.Ban1 ";
  sql += "From CodAlt C,Mnlus M";
  sql += k.joinTable;
  sql += "Where C.Codigo=M.Codigo";
  sql += k.joinCondition;
  sql += " and ";
  sql += k.whereField;
  sql += " Between ";
  sql += from;
  sql += " and ";
  sql += to;
  return sql;
}

std::string OrderField(int orderKind) {
  if (orderKind < 1 || orderKind > static_cast<int>(kOrderFields.size()))
    throw std::invalid_argument("Unknown order kind " + std::to_string(orderKind));
  return std::string(kOrderFields[orderKind - 1]);
}

}  // namespace rep

namespace rep {

std::optional<PickList> PickListFor(int selectionKind) {
  switch (selectionKind) {
    case kByCode:
      return PickList{"Select codigo From Mnlus", "Codigo"};
    case kByGroup1:
    case kByGroup2:
    case kByGroup3:
      return PickList{"Select Nombre From Grupo" + std::to_string(selectionKind - 3), "Nombre"};
    case kByDepartment:
      return PickList{"Select DEPTO_NAME From Deptos", "DEPTO_NAME"};
    default:
      return std::nullopt;
  }
}

}  // namespace rep
