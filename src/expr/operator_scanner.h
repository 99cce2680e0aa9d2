#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "expr/element_operator.h"

namespace qr::expr {

// The three operator levels, from the loosest binding to the tightest.
enum class OperatorLevel { Comparison, Sum, Term };

// An operator found in an expression text: its 0-based offset and width.
struct OperatorMatch {
  std::size_t offset;
  std::size_t width;
  OperatorCode code;
};

// The leftmost operator of `level` that stands outside quotes, parentheses and
// brackets. The first character never splits (so a leading sign is not an
// operator) and neither does the last. "or" and "and" count only with a space
// on both sides; the space before them stays with the left part.
std::optional<OperatorMatch> FindOperator(std::string_view text, OperatorLevel level);

// Swaps every `x` and `y` outside quotes and parentheses. Applied to the right
// side of '-' (with '+') and of '/' (with '*') so that chains of those
// operators, which the parser nests to the right, still read left to right.
std::string ExchangeSigns(std::string_view text, char x, char y);

// The offset of the first ',' outside quotes and parentheses, never the last
// character; npos when there is none.
std::size_t FindArgumentSeparator(std::string_view text);

// Removes leading and trailing spaces (only ' '); a text of spaces keeps one.
std::string_view TrimSpaces(std::string_view text);

}  // namespace qr::expr
