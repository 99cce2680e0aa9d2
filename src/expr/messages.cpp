#include "expr/messages.h"

namespace qr::expr {

std::string FormatMessage(std::string_view pattern,
                          std::initializer_list<std::string_view> arguments) {
  std::string result;
  auto next = arguments.begin();
  std::size_t start = 0;
  for (std::size_t at = pattern.find("%s"); at != std::string_view::npos;
       at = pattern.find("%s", start)) {
    result.append(pattern.substr(start, at - start));
    if (next != arguments.end()) result.append(*next++);
    start = at + 2;
  }
  result.append(pattern.substr(start));
  return result;
}

}  // namespace qr::expr
