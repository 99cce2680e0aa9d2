#pragma once

#include <string>
#include <string_view>

namespace qr::expr {

// Case changes by Unicode rules on UTF-8 text.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// The first character upper-cased and the rest lower-cased; "" stays "".
std::string PrettyCase(std::string_view text);

// Case-insensitive comparison of ASCII letters only, for operator words.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Up to `count` characters of UTF-8 `text` from the 1-based character
// position `start` (a start below 1 counts as 1; past the end gives "").
std::string_view CopyCharacters(std::string_view text, long long start, long long count);

}  // namespace qr::expr
