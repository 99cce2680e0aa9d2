// info and dump: what a report file holds, as text.
#include <QDateTime>
#include <cstdio>
#include <string>

#include "command_line.h"
#include "pages/qr_printer.h"
#include "pages/report_file_header.h"
#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"

namespace qrtool {
namespace {

std::string SinglePositional(const QCommandLineParser& parser, const char* what) {
  if (parser.positionalArguments().size() != 1) throw UsageError(std::string("give one ") + what);
  return parser.positionalArguments().first().toStdString();
}

// Days since 1899-12-30, local time, as "yyyy-MM-dd HH:mm:ss".
std::string DaysAsText(double days) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  if (!(days > -1e6 && days < 1e7)) return "(invalid)";
  const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
  return epoch.addMSecs(static_cast<qint64>(days * kMillisecondsPerDay))
      .toString("yyyy-MM-dd HH:mm:ss")
      .toStdString();
}

struct HeaderFacts {
  int size;
  qr::ReportFileHeader fields;
};

HeaderFacts ReadHeaderFacts(qr::TQRStream& stream) {
  std::lock_guard guard(stream.Lock());
  stream.Seek(0, qr::SeekOrigin::Begin);
  const int size = qr::ReportFileHeader::SizeOf(stream);
  std::vector<std::uint8_t> bytes(size);
  stream.Seek(0, qr::SeekOrigin::Begin);
  stream.ReadBuffer(bytes.data(), size);
  return {size, qr::ReportFileHeader::Decode(bytes, size)};
}

std::string PaperText(const qr::TQRPrinter& printer) {
  static const char* const names[] = {
      "Default",   "Letter", "LetterSmall", "Tabloid", "Ledger", "Legal", "Statement",
      "Executive", "A3",     "A4",          "A4Small", "A5",     "B4",    "B5",
      "Folio",     "Quarto", "10X14",       "11X17",   "Note",   "Env9",  "Env10",
      "Env11",     "Env12",  "Env14",       "CSheet",  "DSheet", "ESheet"};
  const int size = printer.DeviceSettings.PaperSize;
  const std::string name = size <= qr::ESheet ? names[size] : std::to_string(size);
  return name +
         (printer.DeviceSettings.Orientation == qr::poLandscape ? " landscape" : " portrait");
}

}  // namespace

int RunInfo(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("file", "The report file (.qrp).");
  ParseOrExplain(parser, arguments,
                 "Prints a report file's header fields, its page count and each page's size.");
  const std::string name = SinglePositional(parser, "report file");
  qr::TQRPrinter printer;
  printer.DeviceSettings.PaperSize = qr::Default;
  printer.LoadFromFile(name);
  const HeaderFacts header = ReadHeaderFacts(*printer.PageStream());
  std::printf("file: %s\n", name.c_str());
  std::printf("header: %d bytes\n", header.size);
  std::printf("written: %s\n", DaysAsText(header.fields.writtenAt).c_str());
  std::printf("compressed: %s\n", header.fields.compressed ? "yes" : "no");
  std::printf("paper: %s\n", PaperText(printer).c_str());
  std::printf("pages: %d\n", printer.PageCount());
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const qr::Metafile page = *printer.GetPage(n);
    const qr::Rect& frame = page.Header().frame;
    std::printf("page %d: %d x %d px, %.1f x %.1f mm, %d bytes\n", n, page.Width(), page.Height(),
                (frame.right - frame.left + 1) / 100.0, (frame.bottom - frame.top + 1) / 100.0,
                page.ByteCount());
  }
  return 0;
}

int RunDump(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("file", "The report file (.qrp).");
  parser.addOption({"page", "Only this page (1-based).", "N"});
  ParseOrExplain(parser, arguments,
                 "Prints each page's drawing records as text, one per line, after a line "
                 "'page N'.");
  const std::string name = SinglePositional(parser, "report file");
  qr::TQRPrinter printer;
  printer.LoadFromFile(name);
  int first = 1, last = printer.PageCount();
  if (parser.isSet("page")) {
    first = last = PositiveInteger(parser, "page", 0);
    if (first < 1 || first > printer.PageCount())
      throw UsageError("--page must lie in 1.." + std::to_string(printer.PageCount()));
  }
  for (int n = first; n <= last; ++n) {
    qr::DumpCanvas dump;
    qr::PlayMetafile(*printer.GetPage(n), dump);
    std::printf("page %d\n%s", n, dump.Text().c_str());
  }
  return 0;
}

}  // namespace qrtool
