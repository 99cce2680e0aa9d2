#include "plugin/dialog/range_validator.h"

#include "plugin/range_literals.h"

namespace rep {

QValidator::State RangeValidator::validate(QString& input, int& position) const {
  const std::optional<QString> filtered = FilterRangeText(selectionKind_, input);
  if (!filtered) return Invalid;
  input = *filtered;
  position = std::min(position, static_cast<int>(input.size()));
  return Acceptable;
}

}  // namespace rep
