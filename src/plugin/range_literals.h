#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace rep {

// The range boxes' key filter for one typed character, by selection kind:
// kind 2 raises a-z to A-Z and lets everything else through, kind 3 lets
// everything through, every other kind lets only the digits 0-9 through.
// Returns the character to enter, or nothing when it is discarded.
std::optional<QChar> FilterRangeKey(int selectionKind, QChar typed);

// The key filter applied to a whole text, for text that arrives without
// keystrokes (pasted, dropped, composed by an input method): the text as the
// filter would have entered it, or nothing when the filter would have
// discarded any of its characters or the box would not hold it (kind 2 holds
// one character).
std::optional<QString> FilterRangeText(int selectionKind, const QString& text);

// A text in single quotes, quotes inside doubled, so that it stays one literal.
QString QuotedLiteral(const QString& text);

// The range texts as the OK button rewrites them into literals, for the kinds
// whose boxes hold typed text (1, 2, 3 and any kind without a pick list).
// Kind 2 ends at the first character of the end text.
QString StartLiteral(int selectionKind, const QString& text);
QString EndLiteral(int selectionKind, const QString& text);

// Kinds 4 to 7: the n-th name of the pick list (0-based index) stands for n + 1.
QString PositionLiteral(int itemIndex);

bool HasPickListOfNames(int selectionKind);

}  // namespace rep
