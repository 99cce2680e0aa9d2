#pragma once

#include <string>
#include <string_view>

#include "expr/ev_value.h"

namespace qr::expr {

class TQRFiFo;

// One node of a compiled expression. Elements sit in a TQRFiFo in prefix
// order; an element that has operands takes them from the list as it computes.
class TQREvElement {
 public:
  TQREvElement() = default;
  virtual ~TQREvElement() = default;
  TQREvElement(const TQREvElement&) = delete;
  TQREvElement& operator=(const TQREvElement&) = delete;

  // The base element has no value of its own and gives the integer 0.
  virtual TQREvValue Compute(TQRFiFo& list);
  // Clears aggregate state; elements without state ignore it.
  virtual void ResetState() {}
  // True only for the marker that closes a function's arguments.
  virtual bool IsArgumentEnd() const { return false; }

  bool IsAggregate() const { return isAggregate_; }

 protected:
  bool isAggregate_ = false;
};

// A literal number or boolean, or an environment constant the report rewrites.
class TQREvElementConstant : public TQREvElement {
 public:
  explicit TQREvElementConstant(const TQREvValue& value) : value_(value) {}
  TQREvValue Compute(TQRFiFo& list) override;
  const TQREvValue& Value() const { return value_; }
  void SetValue(const TQREvValue& value) { value_ = value; }

 private:
  TQREvValue value_;
};

// A quoted text. It keeps the whole text; values receive its first 255 bytes.
class TQREvElementString : public TQREvElement {
 public:
  explicit TQREvElementString(std::string text) : text_(std::move(text)) {}
  TQREvValue Compute(TQRFiFo& list) override;
  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

 private:
  std::string text_;
};

// A compile-time error; evaluates to an error value with its message.
class TQREvElementError : public TQREvElement {
 public:
  explicit TQREvElementError(std::string message) : message_(std::move(message)) {}
  TQREvValue Compute(TQRFiFo& list) override;
  const std::string& Message() const { return message_; }

 private:
  std::string message_;
};

// Closes the arguments of a function call; never computed as an operand.
class TQREvElementArgumentEnd : public TQREvElement {
 public:
  bool IsArgumentEnd() const override { return true; }
};

// "not": the boolean opposite of the operand that follows it in the list.
class TQREvElementNot : public TQREvElement {
 public:
  TQREvValue Compute(TQRFiFo& list) override;
};

// Computes the next element of the list (with its operands). A list that ends
// early, which the parser never produces, gives an empty error value.
TQREvValue ComputeNext(TQRFiFo& list);

}  // namespace qr::expr
