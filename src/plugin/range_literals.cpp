#include "plugin/range_literals.h"

#include <QList>

#include "plugin/statement.h"

namespace rep {

std::optional<QChar> FilterRangeKey(int selectionKind, QChar typed) {
  switch (selectionKind) {
    case kByDescription:
      if (typed >= QChar('a') && typed <= QChar('z')) return QChar(typed.unicode() - 'a' + 'A');
      return typed;
    case kByAlternateCode:
      return typed;
    default:
      if (typed >= QChar('0') && typed <= QChar('9')) return typed;
      return std::nullopt;
  }
}

std::optional<QString> FilterRangeText(int selectionKind, const QString& text) {
  if (selectionKind == kByDescription && text.toUcs4().size() > 1) return std::nullopt;
  QString filtered;
  filtered.reserve(text.size());
  for (QChar c : text) {
    // Surrogate halves pass through the text-accepting kinds untouched and are
    // never digits, so the per-character filter handles them correctly.
    const std::optional<QChar> entered = FilterRangeKey(selectionKind, c);
    if (!entered) return std::nullopt;
    filtered += *entered;
  }
  return filtered;
}

QString QuotedLiteral(const QString& text) {
  QString doubled = text;
  doubled.replace(QChar('\''), QStringLiteral("''"));
  return QChar('\'') + doubled + QChar('\'');
}

QString StartLiteral(int selectionKind, const QString& text) {
  if (selectionKind == kByDescription || selectionKind == kByAlternateCode)
    return QuotedLiteral(text);
  return text;
}

QString EndLiteral(int selectionKind, const QString& text) {
  if (selectionKind == kByDescription) {
    // The first character, which may take two UTF-16 units.
    const int units = !text.isEmpty() && text.at(0).isHighSurrogate() ? 2 : 1;
    return QuotedLiteral(text.left(units));
  }
  return StartLiteral(selectionKind, text);
}

QString PositionLiteral(int itemIndex) {
  return QString::number(itemIndex + 1);
}

bool HasPickListOfNames(int selectionKind) {
  return selectionKind >= kByGroup1 && selectionKind <= kByDepartment;
}

}  // namespace rep
