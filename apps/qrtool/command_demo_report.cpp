// demo-report: writes a small two-page report file with every kind of drawing
// call, to look at with export or dump and to seed the fuzzer.
#include <cstdio>
#include <string>

#include "command_line.h"
#include "pages/qr_printer.h"

namespace qrtool {
namespace {

using qr::Canvas;
using qr::TQRPrinter;

// Lengths below are 0.1 mm, as the report engine gives them.
constexpr int kLeftMargin = 127;
constexpr int kRightEdge = 2159 - 127;

qr::Rect Box(const TQRPrinter& printer, int left, int top, int right, int bottom) {
  return {printer.ToDeviceX(left), printer.ToDeviceY(top), printer.ToDeviceX(right),
          printer.ToDeviceY(bottom)};
}

void DrawHeader(TQRPrinter& printer, int pageNumber) {
  Canvas& canvas = *printer.GetCanvas();
  canvas.SetBackgroundMode(qr::BackgroundMode::Transparent);
  canvas.SetFont(qr::CanvasFont{"Arial", qr::CanvasFont::PixelHeightForPoints(8, 96)});
  canvas.SetTextAlign(qr::HorizontalAlign::Left, qr::VerticalAlign::Top);
  canvas.TextOut(printer.ToDeviceX(kLeftMargin), printer.ToDeviceY(127),
                 "Pág. " + std::to_string(pageNumber) + " / 2");
  canvas.SetTextAlign(qr::HorizontalAlign::Right, qr::VerticalAlign::Top);
  canvas.TextOut(printer.ToDeviceX(kRightEdge), printer.ToDeviceY(127), "11/12/2026 16:45");
  canvas.SetFont(
      qr::CanvasFont{"Times New Roman", qr::CanvasFont::PixelHeightForPoints(14, 96), 700});
  canvas.SetTextAlign(qr::HorizontalAlign::Centre, qr::VerticalAlign::Baseline);
  canvas.TextOut(printer.ToDeviceX(1080), printer.ToDeviceY(220), "TIENDA DE DEMOSTRACIÓN");
  canvas.SetBrush(qr::CanvasBrush{qr::BrushStyle::Solid, qr::Color::FromRgb(220, 220, 220)});
  canvas.FillRect(Box(printer, kLeftMargin, 260, kRightEdge, 320));
  canvas.SetFont(qr::CanvasFont{"Arial", qr::CanvasFont::PixelHeightForPoints(8, 96), 700});
  const char* const titles[] = {"CODIGO", "DESCRIPCION", "PRES1 MEN", "PRES1 MAY", "PZA"};
  const int columns[] = {kLeftMargin + 10, 400, 1400, 1650, kRightEdge - 10};
  canvas.SetBackgroundMode(qr::BackgroundMode::Transparent);
  for (int i = 0; i < 5; ++i) {
    canvas.SetTextAlign(i < 2 ? qr::HorizontalAlign::Left : qr::HorizontalAlign::Right,
                        qr::VerticalAlign::Top);
    canvas.TextOut(printer.ToDeviceX(columns[i]), printer.ToDeviceY(272), titles[i]);
  }
}

void DrawRows(TQRPrinter& printer, int firstCode, int rows) {
  Canvas& canvas = *printer.GetCanvas();
  canvas.SetFont(qr::CanvasFont{"Arial", qr::CanvasFont::PixelHeightForPoints(8, 96)});
  canvas.SetPen(qr::CanvasPen{qr::PenStyle::Solid, 1, qr::Color::FromRgb(160, 160, 160)});
  for (int row = 0; row < rows; ++row) {
    const int top = 340 + row * 45;
    const int code = firstCode + row;
    char price[32];
    canvas.SetTextAlign(qr::HorizontalAlign::Left, qr::VerticalAlign::Top);
    canvas.TextOut(printer.ToDeviceX(kLeftMargin + 10), printer.ToDeviceY(top),
                   std::to_string(code));
    canvas.TextOut(printer.ToDeviceX(400), printer.ToDeviceY(top),
                   "Artículo de prueba número " + std::to_string(code));
    canvas.SetTextAlign(qr::HorizontalAlign::Right, qr::VerticalAlign::Top);
    std::snprintf(price, sizeof price, "%d.%02d", code % 500, code % 100);
    canvas.TextOut(printer.ToDeviceX(1400), printer.ToDeviceY(top), price);
    std::snprintf(price, sizeof price, "%d.%02d", code % 450, (code * 7) % 100);
    canvas.TextOut(printer.ToDeviceX(1650), printer.ToDeviceY(top), price);
    canvas.TextOut(printer.ToDeviceX(kRightEdge - 10), printer.ToDeviceY(top), "12");
    canvas.MoveTo(printer.ToDeviceX(kLeftMargin), printer.ToDeviceY(top + 40));
    canvas.LineTo(printer.ToDeviceX(kRightEdge), printer.ToDeviceY(top + 40));
  }
}

void DrawShapes(TQRPrinter& printer) {
  Canvas& canvas = *printer.GetCanvas();
  canvas.SetPen(qr::CanvasPen{qr::PenStyle::Solid, 3, qr::Color::FromRgb(200, 0, 0)});
  canvas.SetBrush(qr::CanvasBrush{qr::BrushStyle::Null, qr::kWhite});
  canvas.Rectangle(Box(printer, kLeftMargin, 1400, 1000, 1900));
  canvas.SetPen(qr::CanvasPen{qr::PenStyle::Solid, 1, qr::kBlack});
  canvas.SetBrush(qr::CanvasBrush{qr::BrushStyle::Solid, qr::Color::FromRgb(255, 230, 0)});
  canvas.Ellipse(Box(printer, 1100, 1400, kRightEdge, 1900));
  canvas.SetBrush(qr::CanvasBrush{qr::BrushStyle::Solid, qr::Color::FromRgb(180, 210, 255)});
  canvas.RoundRect(Box(printer, kLeftMargin, 2000, 1000, 2300), qr::Size{30, 30});
  canvas.SetPen(qr::CanvasPen{qr::PenStyle::Dash, 1, qr::Color::FromRgb(0, 0, 160)});
  canvas.MoveTo(printer.ToDeviceX(1100), printer.ToDeviceY(2000));
  canvas.LineTo(printer.ToDeviceX(kRightEdge), printer.ToDeviceY(2300));
  canvas.SetFont(qr::CanvasFont{"Times New Roman", qr::CanvasFont::PixelHeightForPoints(12, 96)});
  canvas.SetTextAlign(qr::HorizontalAlign::Left, qr::VerticalAlign::Baseline);
  canvas.IntersectClipRect(Box(printer, kLeftMargin, 2400, 800, 2500));
  canvas.SetBackgroundMode(qr::BackgroundMode::Opaque);
  canvas.SetBackgroundColor(qr::Color::FromRgb(255, 255, 160));
  canvas.TextOut(printer.ToDeviceX(kLeftMargin), printer.ToDeviceY(2470),
                 "Texto recortado por el rectángulo de recorte");
  canvas.ResetClip();
}

}  // namespace

int RunDemoReport(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addPositionalArgument("out", "The report file to write.");
  parser.addOption({"compress", "Code the page bodies."});
  ParseOrExplain(parser, arguments, "Writes a two-page demonstration report file.");
  if (parser.positionalArguments().size() != 1) throw UsageError("give the output file");
  TQRPrinter printer;
  printer.SetCompression(parser.isSet("compress"));
  printer.StartJob();
  printer.NewPage();
  DrawHeader(printer, 1);
  DrawRows(printer, 1001, 22);
  DrawShapes(printer);
  printer.NewPage();
  DrawHeader(printer, 2);
  DrawRows(printer, 1023, 40);
  printer.EndJob();
  printer.SaveToFile(parser.positionalArguments().first().toStdString());
  return 0;
}

}  // namespace qrtool
