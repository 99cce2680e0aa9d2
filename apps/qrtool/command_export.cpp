// export: a report file's pages as PDF, PNG images or EMF files.
#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <fstream>

#include "command_line.h"
#include "pages/qr_printer.h"
#include "platform/emf/emf_player.h"
#include "platform/painter_canvas.h"
#include "platform/text_measurer.h"

namespace qrtool {
namespace {

// Pages of a damaged file may claim any size; rendering one needs memory in
// proportion, so sizes beyond this many screen pixels a side are refused.
constexpr int kLargestPagePixels = 16384;
constexpr double kLargestImagePixels = 4e8;

const qr::Metafile& CheckedSize(const qr::Metafile& page, int n) {
  if (page.Width() < 1 || page.Height() < 1 || page.Width() > kLargestPagePixels ||
      page.Height() > kLargestPagePixels)
    throw std::runtime_error("page " + std::to_string(n) + " has an unusable size (" +
                             std::to_string(page.Width()) + " x " + std::to_string(page.Height()) +
                             " px)");
  return page;
}

// The physical page size from the drawing's frame (0.01 mm, inclusive).
QPageSize PhysicalSize(const qr::Metafile& page) {
  const qr::Rect& frame = page.Header().frame;
  return QPageSize(
      QSizeF((frame.right - frame.left + 1) / 100.0, (frame.bottom - frame.top + 1) / 100.0),
      QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

void Play(const qr::Metafile& page, QPainter& painter, const qr::Rect& destination) {
  qr::PainterCanvas canvas(painter);
  qr::PlayMetafile(page, canvas, destination);
}

std::string PagePath(const QString& directory, int n, const char* extension) {
  QDir().mkpath(directory);
  return QDir(directory).filePath(QString("page-%1.%2").arg(n).arg(extension)).toStdString();
}

void ExportPdf(qr::TQRPrinter& printer, const QString& path, int dotsPerInch) {
  QPdfWriter writer(path);
  writer.setResolution(dotsPerInch);
  writer.setTitle("Report");
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const qr::Metafile page = *printer.GetPage(n);
    writer.setPageSize(PhysicalSize(CheckedSize(page, n)));
    if (n == 1 && !painter.begin(&writer))
      throw std::runtime_error("cannot write " + path.toStdString());
    if (n > 1) writer.newPage();
    Play(page, painter, qr::Rect{0, 0, writer.width(), writer.height()});
  }
  if (painter.isActive()) painter.end();
}

void ExportPng(qr::TQRPrinter& printer, const QString& directory, int dotsPerInch) {
  constexpr double kInchesPerMetre = 39.37007874;
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const qr::Metafile page = *printer.GetPage(n);
    CheckedSize(page, n);
    const double scale = dotsPerInch / static_cast<double>(qr::ReferencePixelsPerInch());
    const int width = static_cast<int>(page.Width() * scale + 0.5);
    const int height = static_cast<int>(page.Height() * scale + 0.5);
    if (static_cast<double>(width) * height > kLargestImagePixels)
      throw std::runtime_error("page " + std::to_string(n) + " would be too large at " +
                               std::to_string(dotsPerInch) + " dpi");
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dotsPerInch * kInchesPerMetre + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dotsPerInch * kInchesPerMetre + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    Play(page, painter, qr::Rect{0, 0, width, height});
    painter.end();
    const std::string path = PagePath(directory, n, "png");
    if (!image.save(QString::fromStdString(path))) throw std::runtime_error("cannot write " + path);
  }
}

void ExportEmf(qr::TQRPrinter& printer, const QString& directory) {
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const qr::Metafile page = *printer.GetPage(n);
    const std::string path = PagePath(directory, n, "emf");
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(page.Bytes().data()), page.ByteCount());
    if (!file) throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace

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
    ExportPdf(printer, parser.value("pdf"), PositiveInteger(parser, "dpi", 1200));
  if (parser.isSet("png"))
    ExportPng(printer, parser.value("png"), PositiveInteger(parser, "dpi", 96));
  if (parser.isSet("emf")) ExportEmf(printer, parser.value("emf"));
  return 0;
}

}  // namespace qrtool
