#include "model/definition_lexer.h"

#include <cctype>
#include <charconv>

#include "data/dataset.h"

namespace qr {
namespace {

bool IsWordStart(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsWordPart(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

constexpr unsigned kMaxCodePoint = 0x10FFFF;

}  // namespace

void DefinitionLexer::Fail(const std::string& message) const {
  throw DefinitionError("line " + std::to_string(current_.line) + ": " + message);
}

DefinitionLexer::Token DefinitionLexer::Take() {
  Token token = current_;
  Advance();
  return token;
}

bool DefinitionLexer::Accept(std::string_view wordOrSymbol) {
  if ((current_.kind == Kind::Word &&
       data::SameTextIgnoringAsciiCase(current_.text, wordOrSymbol)) ||
      (current_.kind == Kind::Symbol && current_.text == wordOrSymbol)) {
    Advance();
    return true;
  }
  return false;
}

void DefinitionLexer::Expect(std::string_view wordOrSymbol) {
  if (!Accept(wordOrSymbol))
    Fail("expected '" + std::string(wordOrSymbol) + "' but found '" + current_.text + "'");
}

std::string DefinitionLexer::ExpectWord() {
  if (current_.kind != Kind::Word) Fail("expected a name but found '" + current_.text + "'");
  return Take().text;
}

void DefinitionLexer::SkipBlanks() {
  while (position_ < text_.size()) {
    const char c = text_[position_];
    if (c == '\n') ++line_;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++position_;
    } else if (text_.substr(position_, 2) == "//") {
      while (position_ < text_.size() && text_[position_] != '\n') ++position_;
    } else {
      return;
    }
  }
}

void DefinitionLexer::Advance() {
  SkipBlanks();
  if (position_ >= text_.size()) {
    current_ = Token{Kind::End, "end of text", 0, 0, line_};
    return;
  }
  const char c = text_[position_];
  if (IsWordStart(c)) {
    current_ = ReadWord();
  } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '$') {
    current_ = ReadNumber();
  } else if (c == '\'' || c == '#') {
    current_ = ReadString();
  } else {
    current_ = Token{Kind::Symbol, std::string(1, c), 0, 0, line_};
    ++position_;
  }
}

DefinitionLexer::Token DefinitionLexer::ReadWord() {
  const size_t start = position_;
  while (position_ < text_.size() && IsWordPart(text_[position_])) ++position_;
  return Token{Kind::Word, std::string(text_.substr(start, position_ - start)), 0, 0, line_};
}

DefinitionLexer::Token DefinitionLexer::ReadNumber() {
  Token token{Kind::Integer, "", 0, 0, line_};
  const size_t start = position_;
  if (text_[position_] == '$') {
    ++position_;
    while (position_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[position_])))
      ++position_;
    token.text = std::string(text_.substr(start, position_ - start));
    const auto [end, error] =
        std::from_chars(text_.data() + start + 1, text_.data() + position_, token.integer, 16);
    if (error != std::errc() || end != text_.data() + position_)
      Fail("invalid hexadecimal number '" + token.text + "'");
    return token;
  }
  if (text_[position_] == '-' || text_[position_] == '+') ++position_;
  bool isFloat = false;
  while (position_ < text_.size()) {
    const char c = text_[position_];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      ++position_;
    } else if (c == '.' || c == 'e' || c == 'E' ||
               ((c == '-' || c == '+') &&
                (text_[position_ - 1] == 'e' || text_[position_ - 1] == 'E'))) {
      isFloat = true;
      ++position_;
    } else {
      break;
    }
  }
  token.text = std::string(text_.substr(start, position_ - start));
  const char* first = token.text.c_str() + (token.text[0] == '+' ? 1 : 0);
  const char* last = token.text.c_str() + token.text.size();
  std::from_chars_result result{};
  if (isFloat) {
    token.kind = Kind::Float;
    result = std::from_chars(first, last, token.number);
  } else {
    result = std::from_chars(first, last, token.integer);
  }
  if (result.ec != std::errc() || result.ptr != last) Fail("invalid number '" + token.text + "'");
  return token;
}

// A text is a run of quoted pieces ('it''s') and character codes (#39).
DefinitionLexer::Token DefinitionLexer::ReadString() {
  Token token{Kind::String, "", 0, 0, line_};
  while (position_ < text_.size()) {
    if (text_[position_] == '\'') {
      ++position_;
      for (;;) {
        if (position_ >= text_.size() || text_[position_] == '\n') Fail("unterminated text");
        if (text_[position_] == '\'') {
          if (position_ + 1 < text_.size() && text_[position_ + 1] == '\'') {
            token.text += '\'';
            position_ += 2;
            continue;
          }
          ++position_;
          break;
        }
        token.text += text_[position_++];
      }
    } else if (text_[position_] == '#') {
      ++position_;
      const size_t start = position_;
      while (position_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[position_])))
        ++position_;
      unsigned code = 0;
      const auto [end, error] =
          std::from_chars(text_.data() + start, text_.data() + position_, code);
      if (start == position_ || error != std::errc() || code > kMaxCodePoint)
        Fail("invalid character code in text");
      AppendUtf8(token.text, code);
    } else {
      break;
    }
  }
  return token;
}

}  // namespace qr
