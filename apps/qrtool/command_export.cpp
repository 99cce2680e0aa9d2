// export: a report file's pages as PDF, PNG images or EMF files.
#include <cstdio>

#include "command_line.h"
#include "pages/qr_printer.h"
#include "print/page_export.h"

namespace qrtool {
int RunExport(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("file", "The report file (.qrp).");
  parser.addOption({"pdf", "Write all pages into this PDF file.", "OUT.pdf"});
  parser.addOption({"png", "Write page-N.png images into this directory.", "DIR"});
  parser.addOption({"emf", "Write each page's drawing as page-N.emf into this directory.", "DIR"});
  parser.addOption({"dpi", "Resolution of the PDF and PNG output (default 1200 and 96).", "N"});
  ParseOrExplain(parser, arguments, "Exports a report file's pages.");
  if (parser.positionalArguments().size() != 1) throw UsageError("give one report file");
  const int formats = parser.isSet("pdf") + parser.isSet("png") + parser.isSet("emf");
  if (formats != 1) throw UsageError("give exactly one of --pdf, --png and --emf");

  qr::TQRPrinter printer;
  printer.LoadFromFile(parser.positionalArguments().first().toStdString());
  const int dotsPerInch = PositiveInteger(parser, "dpi", 0);
  if (parser.isSet("dpi") && (dotsPerInch < 10 || dotsPerInch > 2400))
    throw UsageError("--dpi must lie in 10..2400");
  if (parser.isSet("pdf"))
    qr::ExportPdf(printer, parser.value("pdf").toStdString(), PositiveInteger(parser, "dpi", 1200));
  if (parser.isSet("png"))
    qr::ExportPng(printer, parser.value("png").toStdString(), PositiveInteger(parser, "dpi", 96));
  if (parser.isSet("emf")) qr::ExportEmf(printer, parser.value("emf").toStdString());
  return 0;
}

}  // namespace qrtool
