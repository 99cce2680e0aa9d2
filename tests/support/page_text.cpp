#include "support/page_text.h"

#include "pages/qr_printer.h"
#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"

namespace qrtest {

std::string PageDump(qr::TQRPrinter& printer, int page) {
  const std::optional<qr::Metafile> metafile = printer.GetPage(page);
  if (!metafile) return {};
  qr::DumpCanvas dump;
  qr::PlayMetafile(*metafile, dump);
  return dump.Text();
}

std::vector<std::string> DumpLines(std::string_view dump, std::string_view kind) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < dump.size()) {
    std::size_t end = dump.find('\n', start);
    if (end == std::string_view::npos) end = dump.size();
    const std::string_view line = dump.substr(start, end - start);
    if (line.size() > kind.size() && line.starts_with(kind) && line[kind.size()] == ' ')
      lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace qrtest
