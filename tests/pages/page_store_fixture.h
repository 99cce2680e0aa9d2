#pragma once

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pages/qr_printer.h"
#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"

namespace qrtest {

// Draws page `number` of a small report: a title that names the page and a
// few rows, enough to make pages of a few kilobytes.
inline void DrawNumberedPage(qr::Canvas& canvas, int number, int rows = 20) {
  canvas.SetFont(qr::CanvasFont{"Arial", 13});
  canvas.TextOut(40, 40, "Page " + std::to_string(number));
  canvas.SetFont(qr::CanvasFont{"Arial", 11});
  for (int row = 0; row < rows; ++row) {
    canvas.TextOut(40, 80 + 14 * row,
                   "Row " + std::to_string(row) + " of page " + std::to_string(number));
    canvas.MoveTo(40, 93 + 14 * row);
    canvas.LineTo(700, 93 + 14 * row);
  }
}

// Produces a finished job of `pages` pages.
inline void ProduceJob(qr::TQRPrinter& printer, int pages, int rows = 20) {
  printer.StartJob();
  for (int page = 1; page <= pages; ++page) {
    printer.NewPage();
    DrawNumberedPage(*printer.GetCanvas(), page, rows);
  }
  printer.EndJob();
}

inline std::string DumpOf(const qr::Metafile& page) {
  qr::DumpCanvas dump;
  qr::PlayMetafile(page, dump);
  return dump.Text();
}

// The page number a page drawn by DrawNumberedPage shows, or 0.
inline int ShownNumber(const std::optional<qr::Metafile>& page) {
  if (!page) return 0;
  const std::string text = DumpOf(*page);
  const std::size_t at = text.find("\"Page ");
  return at == std::string::npos ? 0 : std::stoi(text.substr(at + 6));
}

inline std::vector<std::uint8_t> ReadFile(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

inline void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace qrtest
