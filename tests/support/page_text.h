#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qr {
class TQRPrinter;
}

namespace qrtest {

// What page `page` of a page-store TQRPrinter holds, played back through the
// metafile reader into a DumpCanvas: one line per drawing call
// (`text x=.. y=.. align=right "12.50"`, `line a,b-c,d`, `fill ...`).
// Empty when the printer has no such page.
std::string PageDump(qr::TQRPrinter& printer, int page);

// The lines of `dump` that start with `kind` followed by a space ("text",
// "line", "fill", ...), in drawing order.
std::vector<std::string> DumpLines(std::string_view dump, std::string_view kind);

}  // namespace qrtest
