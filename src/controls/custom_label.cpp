#include "controls/custom_label.h"

namespace qr {

TQRCustomLabel::TQRCustomLabel(Component* owner) : TQRPrintable(owner) {}

void TQRCustomLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  printText_ = caption;
  Formatted = false;
}

void TQRCustomLabel::SetName(std::string name) {
  // A caption that showed the old name (or nothing) follows the new one.
  if (caption_.empty() || caption_ == Name()) SetCaption(name);
  TQRPrintable::SetName(std::move(name));
}

void TQRCustomLabel::Loaded() {
  TQRPrintable::Loaded();
  if (storedFontSize_ > 0) {
    ReportFont font = Font();
    font.SetSize(storedFontSize_);
    SetFont(font);
  }
}

}  // namespace qr
