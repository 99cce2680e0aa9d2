#include "model/definition_value.h"

namespace qr {

DefinitionValue DefinitionValue::Int(std::int64_t value) {
  DefinitionValue v;
  v.kind = Kind::Integer;
  v.integer = value;
  return v;
}

DefinitionValue DefinitionValue::Float(double value) {
  DefinitionValue v;
  v.kind = Kind::Float;
  v.number = value;
  return v;
}

DefinitionValue DefinitionValue::Str(std::string value) {
  DefinitionValue v;
  v.kind = Kind::String;
  v.text = std::move(value);
  return v;
}

DefinitionValue DefinitionValue::Identifier(std::string value) {
  DefinitionValue v;
  v.kind = Kind::Ident;
  v.text = std::move(value);
  return v;
}

DefinitionValue DefinitionValue::SetOf(std::vector<std::string> members) {
  DefinitionValue v;
  v.kind = Kind::Set;
  v.members = std::move(members);
  return v;
}

DefinitionValue DefinitionValue::ListOf(std::vector<DefinitionValue> items) {
  DefinitionValue v;
  v.kind = Kind::List;
  v.items = std::move(items);
  return v;
}

}  // namespace qr
