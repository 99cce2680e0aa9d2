// The field text: the value of a dataset field in the current record.
#include <QDateTime>

#include "controls/date_time_picture.h"
#include "controls/text_controls.h"
#include "expr/numeric_picture.h"

namespace qr {
namespace {

using data::FieldKind;

bool IsMemoKind(FieldKind kind) {
  return kind == FieldKind::Memo || kind == FieldKind::Blob;
}

bool IsDateTimeKind(FieldKind kind) {
  return kind == FieldKind::Date || kind == FieldKind::Time || kind == FieldKind::DateTime;
}

// Kinds whose text reads in the writing direction; numbers and dates do not.
bool IsTextLikeKind(FieldKind kind) {
  return !data::IsNumericKind(kind) && !IsDateTimeKind(kind);
}

// Splits at CR LF, CR or LF; an empty text has no lines and a final break adds none.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return lines;
}

// A stored date, time or date-time (ISO text) as a date-time; invalid when unreadable.
QDateTime StoredDateTime(const data::Field& field) {
  const QString text = QString::fromStdString(field.AsString());
  if (field.Kind() == FieldKind::Time)
    return QDateTime(QDate(1899, 12, 30), QTime::fromString(text, Qt::ISODate));
  if (field.Kind() == FieldKind::Date)
    return QDateTime(QDate::fromString(text.left(10), Qt::ISODate), QTime(0, 0));
  return QDateTime::fromString(text, Qt::ISODate);
}

}  // namespace

void TQRDBText::SetDataSet(TDataSetComponent* dataSet) {
  dataSet_ = dataSet;
  if (dataSet) FreeNotification(dataSet);
}

void TQRDBText::SetDataField(const std::string& field) {
  dataField_ = field;
  SetCaption(field);
}

void TQRDBText::Notification(Component* removed) {
  TQRCustomLabel::Notification(removed);
  if (removed == dataSet_) {
    dataSet_ = nullptr;
    hasField_ = false;
  }
}

void TQRDBText::BeginPrinting() {
  TQRCustomLabel::BeginPrinting();
  hasField_ = false;
  memo_ = false;
  if (!dataSet_) return;
  const data::Field* field = dataSet_->GetDataset().FindField(dataField_);
  if (!field) return;
  fieldIndex_ = field->Index();
  hasField_ = true;
  if (IsMemoKind(field->Kind())) {
    memo_ = true;
    SetPrintText("");
  }
}

void TQRDBText::PrintAt(int offsetX, int offsetY) {
  if (!ShouldPrint()) return;
  LoadFieldText();
  Formatted = false;
  TQRCustomLabel::PrintAt(offsetX, offsetY);
}

void TQRDBText::EndPrinting() {
  hasField_ = false;
  memo_ = false;
  TQRCustomLabel::EndPrinting();
  SetCaption(dataField_.empty() ? Name() : dataField_);
}

void TQRDBText::GetContentHeight(double& height) {
  LoadFieldText();
  BuildLines();
  height = static_cast<double>(FormattedLines.size()) * LineHeight();
}

void TQRDBText::GetPrintText(std::string& text) {
  LoadFieldText();
  if (!memo_) {
    text = PrintText();
    return;
  }
  text.clear();
  for (std::size_t i = 0; i < SourceLines.size(); ++i)
    text += (i > 0 ? "\r\n" : "") + SourceLines[i];
}

bool TQRDBText::UseRightToLeftAlignment() const {
  if (!TQRCustomLabel::UseRightToLeftAlignment()) return false;
  const data::Field* field = const_cast<TQRDBText*>(this)->CurrentField();
  return !field || IsTextLikeKind(field->Kind());
}

// Fields are taken again by their position at every use: a dataset that
// creates its field objects on opening may have replaced them.
data::Field* TQRDBText::CurrentField() {
  if (!hasField_ || !dataSet_) return nullptr;
  data::Dataset& dataset = dataSet_->GetDataset();
  if (fieldIndex_ < 0 || fieldIndex_ >= dataset.FieldCount()) return nullptr;
  return &dataset.FieldAt(fieldIndex_);
}

void TQRDBText::LoadFieldText() {
  data::Field* field = CurrentField();
  if (!memo_) {
    SetPrintText(field ? FieldText(*field) : "");
    return;
  }
  try {
    SourceLines = field ? SplitLines(field->AsString()) : std::vector<std::string>{};
  } catch (const std::exception&) {
    SourceLines.clear();
  }
}

// The display text, or the value through Mask for numeric and date-time
// fields. A value that cannot be read or formatted gives "".
std::string TQRDBText::FieldText(data::Field& field) const {
  try {
    const FieldKind kind = field.Kind();
    if (Mask.empty() || kind == FieldKind::String) return field.DisplayText();
    if (data::IsIntegerKind(kind))
      return expr::FormatNumeric(Mask, static_cast<double>(field.AsInteger()));
    if (data::IsFloatKind(kind)) return expr::FormatNumeric(Mask, field.AsFloat());
    if (IsDateTimeKind(kind)) {
      const QDateTime value = StoredDateTime(field);
      return field.IsNull() || !value.isValid() ? "" : FormatDateTimePicture(Mask, value);
    }
    // A Mask means nothing to other kinds (booleans, for instance): show the display text.
    return field.DisplayText();
  } catch (const std::exception&) {
    return "";
  }
}

}  // namespace qr
