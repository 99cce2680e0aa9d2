#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qr::expr {

// The kind a value carries; the numbers are part of the value record's layout.
enum class EvKind : std::uint8_t { Integer = 0, Float = 1, String = 2, Boolean = 3, Error = 4 };

// "INTEGER", "FLOAT", "STRING", "BOOLEAN" or "ERROR", as TYPEOF names them.
std::string_view KindName(EvKind kind);

// Raised for misuse of an evaluator and for turning an error value into text.
class ExpressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value of an expression: a kind and one payload. Fixed size and without
// heap storage, so evaluation passes values around by copy. A copy moves only
// the bytes in use (the payload, or the text's length and bytes), which keeps
// copying cheap although the record is 264 bytes.
// A string (or an error's message) holds at most kMaxTextBytes bytes of UTF-8;
// longer texts are cut at the last whole character that fits.
struct TQREvValue {
  static constexpr std::size_t kMaxTextBytes = 255;

  EvKind ValueKind;
  union {
    std::int32_t IntegerValue;
    double FloatValue;
    bool BooleanValue;
    struct {
      std::uint8_t length;
      char bytes[kMaxTextBytes];
    } text;
  };

  // The integer 0. The text bytes are left uninitialised on purpose.
  TQREvValue() : ValueKind(EvKind::Integer), IntegerValue(0) {}
  TQREvValue(const TQREvValue& other) { CopyFrom(other); }
  TQREvValue& operator=(const TQREvValue& other) {
    if (this != &other) CopyFrom(other);
    return *this;
  }

  static TQREvValue Integer(std::int32_t value);
  static TQREvValue Float(double value);
  static TQREvValue String(std::string_view value);
  static TQREvValue Boolean(bool value);
  static TQREvValue Error(std::string_view message);

  bool IsNumeric() const { return ValueKind == EvKind::Integer || ValueKind == EvKind::Float; }
  // The integer or float payload as a double; 0 for other kinds.
  double AsDouble() const;
  // The text of a string, or the message of an error.
  std::string_view TextValue() const { return {text.bytes, text.length}; }
  void SetTextValue(std::string_view value);

 private:
  void CopyFrom(const TQREvValue& other);
};

// Cuts `text` to at most `limit` bytes without splitting a UTF-8 character.
std::string_view CutToCharacterBoundary(std::string_view text, std::size_t limit);

// Integer in decimal, float in the general float text of the current locale,
// string as is, boolean as "True" or "False". An error value raises
// ExpressionError "Error in expression : <message>".
std::string ValueToText(const TQREvValue& value);

}  // namespace qr::expr
