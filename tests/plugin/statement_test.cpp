#include "plugin/statement.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rep {
namespace {

const std::string kColumns =
    "CodAlt,C.Unidad,M.Descripcion,M.Precio,M.Precio2,M.Precio3,M.Precio4,M.Precio5,M.Ban1 ";

TEST(PriceListStatement, ComposesEverySelectionKind) {
  struct Case {
    int kind;
    const char* from;
    const char* to;
    std::string expected;
  };
  const Case cases[] = {
      {1, "100", "250",
       "Select C.Codigo,M.Descripcion as Nombre,C.Mult,M.Codigo as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M Where C.Codigo=M.Codigo and M.Codigo Between 100 and 250"},
      {2, "'A'", "'C'",
       "Select C.Codigo,M.Descripcion as Nombre,C.Mult,M.Codigo as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M Where C.Codigo=M.Codigo and M.Descripcion Between 'A' and 'C'"},
      {3, "'7501'", "'7509'",
       "Select C.Codigo,M.Descripcion as Nombre,C.Mult,C.CodAlt as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M Where C.Codigo=M.Codigo and C.CodAlt Between '7501' and '7509'"},
      {4, "2", "5",
       "Select C.Codigo,G.Nombre as Nombre,C.Mult,G.ID as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M,Grupo1 G Where C.Codigo=M.Codigo and G.ID=M.Grupo1 and "
           "M.Grupo1 Between 2 and 5"},
      {5, "3", "5",
       "Select C.Codigo,G.Nombre as Nombre,C.Mult,G.ID as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M,Grupo2 G Where C.Codigo=M.Codigo and G.ID=M.Grupo2 and "
           "M.Grupo2 Between 3 and 5"},
      {6, "1", "1",
       "Select C.Codigo,G.Nombre as Nombre,C.Mult,G.ID as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M,Grupo3 G Where C.Codigo=M.Codigo and G.ID=M.Grupo3 and "
           "M.Grupo3 Between 1 and 1"},
      {7, "1", "3",
       "Select C.Codigo,G.DEPTO_NAME as Nombre,C.Mult,G.DEPTO_NO as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M,Deptos G Where C.Codigo=M.Codigo and "
           "G.DEPTO_NO=M.Departamento and M.Departamento Between 1 and 3"},
      // An empty start is appended as it stands; the database rejects the statement.
      {1, "", "250",
       "Select C.Codigo,M.Descripcion as Nombre,C.Mult,M.Codigo as CodNombre," + kColumns +
           "From CodAlt C,Mnlus M Where C.Codigo=M.Codigo and M.Codigo Between  and 250"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(ComposePriceListStatement(c.kind, c.from, c.to), c.expected);
  }
}

TEST(PriceListStatement, RefusesUnknownKinds) {
  EXPECT_THROW(ComposePriceListStatement(0, "1", "2"), std::invalid_argument);
  EXPECT_THROW(ComposePriceListStatement(8, "1", "2"), std::invalid_argument);
  EXPECT_EQ(OrderField(1), "Codigo");
  EXPECT_EQ(OrderField(2), "Descripcion");
  EXPECT_THROW(OrderField(3), std::invalid_argument);
}

TEST(PickLists, NameTheStatementAndColumnOfEachKind) {
  EXPECT_EQ(PickListFor(1)->statement, "Select codigo From Mnlus");
  EXPECT_EQ(PickListFor(5)->statement, "Select Nombre From Grupo2");
  EXPECT_EQ(PickListFor(7)->statement, "Select DEPTO_NAME From Deptos");
  EXPECT_EQ(PickListFor(7)->column, "DEPTO_NAME");
  EXPECT_FALSE(PickListFor(2).has_value());
}

}  // namespace
}  // namespace rep
