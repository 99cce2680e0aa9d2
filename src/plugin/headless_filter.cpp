#include "plugin/headless_filter.h"

#include <QString>
#include <stdexcept>
#include <vector>

#include "data/client_dataset.h"
#include "plugin/range_literals.h"
#include "plugin/statement.h"

namespace rep {
namespace {

int SelectionKindNamed(const std::string& by) {
  static const std::pair<const char*, int> kinds[] = {
      {"code", kByCode},     {"description", kByDescription}, {"group1", kByGroup1},
      {"group2", kByGroup2}, {"group3", kByGroup3},           {"department", kByDepartment}};
  for (const auto& [name, kind] : kinds)
    if (by == name) return kind;
  throw std::invalid_argument(
      "--by must be code, description, group1, group2, group3 or "
      "department, not '" +
      by + "'");
}

int OrderKindNamed(const std::string& order) {
  if (order == "code") return kOrderByCode;
  if (order == "description") return kOrderByDescription;
  throw std::invalid_argument("--order must be code or description, not '" + order + "'");
}

std::vector<std::string> PickListNames(qr::data::RemoteServer& connection, int kind) {
  const PickList pickList = *PickListFor(kind);
  qr::data::ClientDataSet table;
  table.SetRemoteServer(&connection);
  table.SetProviderName(qr::data::kPriceListProvider);
  table.SetCommandText(pickList.statement);
  table.Open();
  std::vector<std::string> names;
  qr::data::Field& column = table.FieldByName(pickList.column);
  for (; !table.Eof(); table.Next()) names.push_back(column.AsString());
  return names;
}

std::string PositionOfName(const std::vector<std::string>& names, const std::string& wanted,
                           const char* option) {
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == wanted) return PositionLiteral(static_cast<int>(i)).toStdString();
  std::string valid;
  for (const std::string& name : names) valid += (valid.empty() ? "" : ", ") + name;
  throw std::invalid_argument(std::string(option) + " '" + wanted +
                              "' is not in the list: " + valid);
}

std::string TypedText(int kind, const std::string& text, const char* option) {
  const std::optional<QString> filtered = FilterRangeText(kind, QString::fromStdString(text));
  if (!filtered) {
    throw std::invalid_argument(
        std::string(option) + " '" + text + "' is not " +
        (kind == kByCode ? "an article code (digits only)" : "a single character"));
  }
  return filtered->toStdString();
}

}  // namespace

FilterChoice ResolveFilter(qr::data::RemoteServer& connection, const FilterRequest& request) {
  FilterChoice choice;
  choice.selectionKind = SelectionKindNamed(request.by);
  choice.orderKind = OrderKindNamed(request.order);
  const int kind = choice.selectionKind;
  if (HasPickListOfNames(kind)) {
    const std::vector<std::string> names = PickListNames(connection, kind);
    choice.from = PositionOfName(names, request.from, "--from");
    choice.to = PositionOfName(names, request.to, "--to");
    return choice;
  }
  const QString from = QString::fromStdString(TypedText(kind, request.from, "--from"));
  const QString to = QString::fromStdString(TypedText(kind, request.to, "--to"));
  choice.from = StartLiteral(kind, from).toStdString();
  choice.to = EndLiteral(kind, to).toStdString();
  return choice;
}

}  // namespace rep
