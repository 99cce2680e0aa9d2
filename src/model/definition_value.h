#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace qr {

// A value as report definitions write it: a number, a quoted text, an
// identifier (True, clBlack, rbDetail, a component name), a set of
// identifiers in [..] or a list of values in (..).
struct DefinitionValue {
  enum class Kind { Integer, Float, String, Ident, Set, List };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  double number = 0;
  std::string text;                    // String and Ident
  std::vector<std::string> members;    // Set
  std::vector<DefinitionValue> items;  // List

  static DefinitionValue Int(std::int64_t value);
  static DefinitionValue Float(double value);
  static DefinitionValue Str(std::string value);
  static DefinitionValue Identifier(std::string value);
  static DefinitionValue SetOf(std::vector<std::string> members);
  static DefinitionValue ListOf(std::vector<DefinitionValue> items);
  static DefinitionValue Boolean(bool value) { return Identifier(value ? "True" : "False"); }

  friend bool operator==(const DefinitionValue&, const DefinitionValue&) = default;
};

// A definition that cannot be read: the message says what and where.
class DefinitionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace qr
