#pragma once

#include <string>
#include <string_view>

#include "model/definition_value.h"

namespace qr {

// Splits definition text into words, numbers, quoted texts and signs,
// counting lines for messages.
class DefinitionLexer {
 public:
  enum class Kind { End, Word, Integer, Float, String, Symbol };
  struct Token {
    Kind kind = Kind::End;
    std::string text;  // words, symbols, decoded strings
    std::int64_t integer = 0;
    double number = 0;
    int line = 1;
  };

  explicit DefinitionLexer(std::string_view text) : text_(text) { Advance(); }

  const Token& Peek() const { return current_; }
  Token Take();
  // Takes the next token when it is the word (case-insensitive) or sign.
  bool Accept(std::string_view wordOrSymbol);
  void Expect(std::string_view wordOrSymbol);
  std::string ExpectWord();
  [[noreturn]] void Fail(const std::string& message) const;

 private:
  void Advance();
  void SkipBlanks();
  Token ReadWord();
  Token ReadNumber();
  Token ReadString();

  std::string_view text_;
  size_t position_ = 0;
  int line_ = 1;
  Token current_;
};

}  // namespace qr
