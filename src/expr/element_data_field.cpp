#include "expr/element_data_field.h"

#include "data/data_error.h"
#include "expr/messages.h"

namespace qr::expr {
namespace {

using data::FieldKind;

// A text field's value without copying it off the dataset's row.
TQREvValue TextOf(const data::Field& field) {
  const data::FieldValue value = field.Value();
  if (value.storage == data::Storage::Text) return TQREvValue::String(value.text);
  return TQREvValue::String(field.AsString());
}

TQREvValue ValueByKind(const data::Field& field) {
  switch (field.Kind()) {
    case FieldKind::String:
      return TextOf(field);
    case FieldKind::Integer:
    case FieldKind::SmallInt:
    case FieldKind::Word:
      // Wider database integers wrap to 32 bits like the value's own arithmetic.
      return TQREvValue::Integer(static_cast<std::int32_t>(field.AsInteger()));
    case FieldKind::Float:
    case FieldKind::Currency:
    case FieldKind::BCD:
      return TQREvValue::Float(field.AsFloat());
    case FieldKind::Boolean:
      return TQREvValue::Boolean(field.AsBoolean());
    case FieldKind::Date:
    case FieldKind::Time:
    case FieldKind::DateTime:
      return TQREvValue::String(field.DisplayText());
    default:
      return TQREvValue::Error(FormatMessage(kFieldOfUnknownType, field.Name()));
  }
}

}  // namespace

TQREvValue TQREvElementDataField::Compute(TQRFiFo&) {
  // Reopening with another statement can leave fewer fields than were compiled against.
  if (position_ >= dataset_.FieldCount())
    return TQREvValue::Error(FormatMessage(kFieldNoLongerAvailable, fieldName_));
  try {
    return ValueByKind(dataset_.FieldAt(position_));
  } catch (const data::DataError& error) {
    // A database column may hold a text that is not a number; the report prints
    // the message instead of stopping.
    return TQREvValue::Error(error.what());
  }
}

}  // namespace qr::expr
