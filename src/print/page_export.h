#pragma once

#include <string>

namespace qr {

class TQRPrinter;

// Replays a page store's pages onto other devices. Each throws
// std::runtime_error naming what it could not write, or a page whose size
// cannot be rendered (a damaged file may claim any size).

// All pages into one PDF, each page at its own paper size.
void ExportPdf(TQRPrinter& printer, const std::string& path, int dotsPerInch = 1200);
// page-N.png images into `directory` (created when missing).
void ExportPng(TQRPrinter& printer, const std::string& directory, int dotsPerInch = 96);
// page-N.emf files: each page's drawing as it is stored.
void ExportEmf(TQRPrinter& printer, const std::string& directory);

}  // namespace qr
