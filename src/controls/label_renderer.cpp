// The line renderer of the text controls: background, frame inset, aligned
// lines, continuation on the next page and stretching of the parent band.
#include "controls/custom_label.h"
#include "model/band.h"
#include "model/units.h"
#include "pages/qr_printer.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr double kPointsPerInch = 72;

HorizontalAlign CanvasAlign(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return HorizontalAlign::Right;
    case TAlignment::taCenter:
      return HorizontalAlign::Centre;
    default:
      return HorizontalAlign::Left;
  }
}

}  // namespace

void TQRCustomLabel::PrintAt(int offsetX, int offsetY) {
  if (!ShouldPrint() || !QRPrinter || !QRPrinter->GetCanvas()) return;
  const double lineHeight = SelectFont();
  RenderLines(Size().NativeLeft() + offsetX, Size().NativeTop() + offsetY, Size().NativeWidth(),
              Size().NativeHeight(), lineHeight, AutoStretch);
}

double TQRCustomLabel::SelectFont() {
  Canvas& canvas = *QRPrinter->GetCanvas();
  canvas.SetFont(Font().ToCanvasFont(RoundHalfEven(QRPrinter->DotsY * kNativePerInch)));
  return canvas.TextExtent("W").height / static_cast<double>(QRPrinter->DotsY);
}

void TQRCustomLabel::RenderLines(double left, double top, double width, double height,
                                 double lineHeight, bool stretch) {
  const TQRPrinter& printer = *QRPrinter;
  Canvas& canvas = *printer.GetCanvas();

  // The handler sees the text and may change it, and the font, for this print only.
  const std::string savedText = printText_;
  if (!printText_.empty() && OnPrint) {
    std::string value = printText_;
    OnPrint(*this, value);
    lineHeight = SelectFont();
    height = Size().NativeHeight();
    if (value != printText_) {
      printText_ = value;
      Formatted = false;
    }
  }

  BuildLines();
  const double incomingWidth = width;
  width = Size().NativeWidth();

  if (!Transparent()) FillBackground(left, top, left + width, top + height);

  const double frameLeft = left;
  const double frameTop = top;
  if (Frame.AnyFrame()) {
    const int inset = RoundHalfEven(Frame.Width / kPointsPerInch * kNativePerInch);
    if (Frame.DrawTop) top += inset;
    if (Frame.DrawLeft) left += inset;
  }

  // Automatic sizing moved the control's left edge; follow it.
  const TAlignment alignment = EffectiveAlignment();
  double x = left;
  if (AutoSize && alignment == TAlignment::taRightJustify) x = left - (width - incomingWidth);
  if (AutoSize && alignment == TAlignment::taCenter) x = left - (width - incomingWidth) / 2;
  if (alignment == TAlignment::taRightJustify) x += width;
  if (alignment == TAlignment::taCenter) x += width / 2;
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.SetTextAlign(CanvasAlign(alignment), VerticalAlign::Top);

  if (PrintFinished) NextLine = 0;
  LinePlacement place{left, top, width, height, lineHeight, stretch, top, top + height + 1};
  const int lineCount = static_cast<int>(FormattedLines.size());
  while (NextLine < lineCount && LineFits(place)) {
    const std::string& line = FormattedLines[NextLine];
    if (!line.empty()) canvas.TextOut(printer.ToDeviceX(x), printer.ToDeviceY(place.y), line);
    place.y += lineHeight;
    ++NextLine;
  }
  PrintFinished = !(NextLine < lineCount && AutoStretch);

  canvas.ResetClip();
  printText_ = savedText;

  if (Frame.AnyFrame()) {
    const Rect box{printer.ToDeviceX(frameLeft), printer.ToDeviceY(frameTop),
                   printer.ToDeviceX(left + width),
                   printer.ToDeviceY(top + height + place.stretched)};
    Frame.PaintFrame(canvas, box, printer.DotsX, printer.DotsY);
  }
}

// A line fits above the control's bottom (0.1 mm of slack). With `stretch`
// the parent band grows by one line while the page has room; the strip gained
// is filled with the background.
bool TQRCustomLabel::LineFits(LinePlacement& place) {
  if (place.bottom >= place.y + place.lineHeight) return true;
  auto* band = dynamic_cast<TQRCustomBand*>(Parent());
  if (!place.stretch || !band || !band->CanStretch(place.lineHeight)) return false;
  const double previous = place.stretched;
  band->StretchBy(place.lineHeight, place.stretched, place.started);
  const double designBottom = place.top + place.height;
  place.bottom = designBottom + 1 + place.stretched;
  if (!Transparent())
    FillBackground(place.left, designBottom + previous, place.left + place.width,
                   designBottom + place.stretched);
  return true;
}

void TQRCustomLabel::FillBackground(double left, double top, double right, double bottom) {
  Canvas& canvas = *QRPrinter->GetCanvas();
  canvas.SetBrush({BrushStyle::Solid, GetColor()});
  canvas.SetPen({PenStyle::Solid, 0, GetColor()});
  canvas.FillRect({QRPrinter->ToDeviceX(left), QRPrinter->ToDeviceY(top),
                   QRPrinter->ToDeviceX(right), QRPrinter->ToDeviceY(bottom)});
}

}  // namespace qr
