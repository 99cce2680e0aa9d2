#include "expr/text_case.h"

#include <QString>

namespace qr::expr {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the character after the one starting at `offset`.
std::size_t NextCharacter(std::string_view text, std::size_t offset) {
  ++offset;
  while (offset < text.size() && IsContinuationByte(text[offset])) ++offset;
  return offset;
}

}  // namespace

std::string UpperCase(std::string_view text) {
  return ToQString(text).toUpper().toStdString();
}

std::string LowerCase(std::string_view text) {
  return ToQString(text).toLower().toStdString();
}

std::string PrettyCase(std::string_view text) {
  if (text.empty()) return {};
  const std::size_t second = NextCharacter(text, 0);
  return UpperCase(text.substr(0, second)) + LowerCase(text.substr(second));
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (AsciiUpper(text[i]) != AsciiUpper(prefix[i])) return false;
  return true;
}

std::string_view CopyCharacters(std::string_view text, long long start, long long count) {
  if (start < 1) start = 1;
  std::size_t begin = 0;
  for (long long position = 1; position < start && begin < text.size(); ++position)
    begin = NextCharacter(text, begin);
  std::size_t end = begin;
  for (long long taken = 0; taken < count && end < text.size(); ++taken)
    end = NextCharacter(text, end);
  return text.substr(begin, end - begin);
}

}  // namespace qr::expr
