#pragma once

#include <QValidator>

namespace rep {

// Applies the range boxes' key filter to every edit, typed or not: a paste,
// a drop or input-method text is entered as the filter would have entered it
// keystroke by keystroke, or refused whole when the filter would discard any
// of its characters.
class RangeValidator : public QValidator {
 public:
  RangeValidator(int selectionKind, QObject* parent)
      : QValidator(parent), selectionKind_(selectionKind) {}
  State validate(QString& input, int& position) const override;

 private:
  int selectionKind_;
};

}  // namespace rep
