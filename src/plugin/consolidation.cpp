#include "plugin/consolidation.h"

#include <algorithm>
#include <array>
#include <string>

#include "plugin/statement.h"

namespace rep {
namespace {

constexpr std::array<std::string_view, 11> kFirstList = {
    "CAJA", "BAL", "BOL", "BTO", "BULT", "CJA", "COLC", "CUB", "PACA", "ROLL", "CHURIA"};
constexpr std::array<std::string_view, 5> kSecondList = {"EXH", "PAQ", "CONO", "CHAR", "VITR"};

constexpr int kStore = 1;

std::string UpperAsciiLetters(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

PackagingList ClassifyUnit(std::string_view unit) {
  const std::string upper = UpperAsciiLetters(unit);
  if (Contains(kFirstList, upper)) return PackagingList::First;
  if (Contains(kSecondList, upper)) return PackagingList::Second;
  return PackagingList::None;
}

void PrepareWorkTable(qr::data::WorkTable& table) {
  table.SetIndexName("");
  table.SetExclusive(true);
  table.RefreshIndexDefs();
  if (table.IndexDefPosition(kSortIndexName) > 0) table.DeleteIndex(kSortIndexName);
}

PresentationFold::PresentationFold(qr::data::Dataset& result, qr::data::WorkTable& table)
    : table_(table),
      codigo_(result.FieldByName("Codigo")),
      descripcion_(result.FieldByName("Descripcion")),
      codNombre_(result.FieldByName("CodNombre")),
      nombre_(result.FieldByName("Nombre")),
      unidad_(result.FieldByName("Unidad")),
      mult_(result.FieldByName("Mult")),
      precio_(result.FieldByName("Precio")),
      precio2_(result.FieldByName("Precio2")),
      precio3_(result.FieldByName("Precio3")),
      precio4_(result.FieldByName("Precio4")),
      precio5_(result.FieldByName("Precio5")),
      tienda_(table.FieldByName("Tienda")),
      tCodigo_(table.FieldByName("Codigo")),
      tDescripcion_(table.FieldByName("Descripcion")),
      tCodNombre_(table.FieldByName("CodNombre")),
      tNombre_(table.FieldByName("Nombre")),
      ajustesCos_(table.FieldByName("AjustesCos")),
      compraCan_(table.FieldByName("CompraCan")),
      compraCos_(table.FieldByName("CompraCos")),
      transCan_(table.FieldByName("TransCan")),
      transCos_(table.FieldByName("TransCos")),
      ventasCan_(table.FieldByName("VentasCan")),
      ventasCos_(table.FieldByName("VentasCos")),
      pedCan_(table.FieldByName("PedCan")),
      pedCos_(table.FieldByName("PedCos")) {}

void PresentationFold::FoldCurrentRow() {
  const double code = codigo_.AsFloat();
  if (table_.FindKey({kStore, code})) {
    table_.Edit();
  } else {
    table_.Append();
    tienda_.SetAsInteger(kStore);
    tCodigo_.SetAsFloat(code);
    tDescripcion_.SetAsString(descripcion_.AsString());
    tCodNombre_.SetAsFloat(codNombre_.AsFloat());
    tNombre_.SetAsString(nombre_.AsString());
    ajustesCos_.SetAsFloat(precio5_.AsFloat());
  }
  const double multiplier = mult_.AsFloat();
  switch (ClassifyUnit(unidad_.AsString())) {
    case PackagingList::First:
      compraCan_.SetAsFloat(multiplier);
      compraCos_.SetAsFloat(multiplier * precio_.AsFloat());
      transCan_.SetAsFloat(multiplier);
      transCos_.SetAsFloat(multiplier * precio4_.AsFloat());
      break;
    case PackagingList::Second:
      ventasCan_.SetAsFloat(multiplier);
      ventasCos_.SetAsFloat(multiplier * precio2_.AsFloat());
      pedCan_.SetAsFloat(multiplier);
      pedCos_.SetAsFloat(multiplier * precio3_.AsFloat());
      break;
    case PackagingList::None:
      break;
  }
  table_.Post();
}

void BuildSortIndex(qr::data::WorkTable& table, int orderKind) {
  table.AddIndex(kSortIndexName, "Tienda;CodNombre;" + OrderField(orderKind));
  table.SetIndexName(kSortIndexName);
  table.Open();
}

}  // namespace rep
