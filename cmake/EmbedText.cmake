# Writes INPUT's bytes as a C++ function returning them (see qr_embed_text).
file(READ ${INPUT} content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${content}")
file(WRITE ${OUTPUT}
"// Generated from ${INPUT}; do not edit.
#include <string_view>
namespace ${NAMESPACE} {
namespace {
constexpr char kBytes[] = {${bytes} '\\0'};
}  // namespace
std::string_view ${SYMBOL}() { return std::string_view(kBytes, sizeof kBytes - 1); }
}  // namespace ${NAMESPACE}
")
