#include "print/page_export.h"

#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <fstream>
#include <stdexcept>

#include "pages/qr_printer.h"
#include "platform/emf/emf_player.h"
#include "platform/painter_canvas.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

// Pages of a damaged file may claim any size; rendering one needs memory in
// proportion, so sizes beyond this many screen pixels a side are refused.
constexpr int kLargestPagePixels = 16384;
constexpr double kLargestImagePixels = 4e8;

const Metafile& CheckedSize(const Metafile& page, int n) {
  if (page.Width() < 1 || page.Height() < 1 || page.Width() > kLargestPagePixels ||
      page.Height() > kLargestPagePixels)
    throw std::runtime_error("page " + std::to_string(n) + " has an unusable size (" +
                             std::to_string(page.Width()) + " x " + std::to_string(page.Height()) +
                             " px)");
  return page;
}

// The physical page size from the drawing's frame (0.01 mm, inclusive).
QPageSize PhysicalSize(const Metafile& page) {
  const Rect& frame = page.Header().frame;
  return QPageSize(
      QSizeF((frame.right - frame.left + 1) / 100.0, (frame.bottom - frame.top + 1) / 100.0),
      QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

void Play(const Metafile& page, QPainter& painter, const Rect& destination) {
  PainterCanvas canvas(painter);
  PlayMetafile(page, canvas, destination);
}

std::string PagePath(const QString& directory, int n, const char* extension) {
  QDir().mkpath(directory);
  return QDir(directory).filePath(QString("page-%1.%2").arg(n).arg(extension)).toStdString();
}

}  // namespace

void ExportPdf(TQRPrinter& printer, const std::string& path, int dotsPerInch) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setResolution(dotsPerInch);
  writer.setTitle("Report");
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter;
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const Metafile page = *printer.GetPage(n);
    writer.setPageSize(PhysicalSize(CheckedSize(page, n)));
    if (n == 1 && !painter.begin(&writer)) throw std::runtime_error("cannot write " + path);
    if (n > 1) writer.newPage();
    Play(page, painter, Rect{0, 0, writer.width(), writer.height()});
  }
  if (painter.isActive()) painter.end();
}

void ExportPng(TQRPrinter& printer, const std::string& directory, int dotsPerInch) {
  constexpr double kInchesPerMetre = 39.37007874;
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const Metafile page = *printer.GetPage(n);
    CheckedSize(page, n);
    const double scale = dotsPerInch / static_cast<double>(ReferencePixelsPerInch());
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
    Play(page, painter, Rect{0, 0, width, height});
    painter.end();
    const std::string path = PagePath(QString::fromStdString(directory), n, "png");
    if (!image.save(QString::fromStdString(path))) throw std::runtime_error("cannot write " + path);
  }
}

void ExportEmf(TQRPrinter& printer, const std::string& directory) {
  for (int n = 1; n <= printer.PageCount(); ++n) {
    const Metafile page = *printer.GetPage(n);
    const std::string path = PagePath(QString::fromStdString(directory), n, "emf");
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(page.Bytes().data()), page.ByteCount());
    if (!file) throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace qr
