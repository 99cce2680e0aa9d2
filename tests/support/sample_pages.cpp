#include "support/sample_pages.h"

#include <cstdio>
#include <string>

#include "platform/emf/emf_recorder.h"

namespace qrtest {

using namespace qr;

Metafile RecordPriceListPage(int pageNumber, int rowCount) {
  EmfRecorder page(kLetterWidthPixels, kLetterHeightPixels);
  CanvasFont font{"Arial", 11};
  page.SetBackgroundMode(BackgroundMode::Transparent);
  page.SetFont(font);
  page.TextOut(40, 30, "Pág. " + std::to_string(pageNumber) + " / 2000");
  page.SetTextAlign(HorizontalAlign::Centre, VerticalAlign::Top);
  page.TextOut(408, 30, "TIENDA CENTRAL");
  const char* const titles[] = {"CODIGO",    "DESCRIPCION", "PRES1 MEN", "PRES1 MAY",
                                "PRES2 MEN", "PRES2 MAY",   "PZA"};
  const int columns[] = {40, 120, 420, 490, 560, 630, 760};
  page.SetTextAlign(HorizontalAlign::Left, VerticalAlign::Top);
  for (int i = 0; i < 7; ++i) page.TextOut(columns[i], 60, titles[i]);
  page.SetFont(CanvasFont{"Arial", 10});
  for (int row = 0; row < rowCount; ++row) {
    const int y = 80 + row * 9;
    const int code = pageNumber * 1000 + row;
    char price[32];
    page.SetTextAlign(HorizontalAlign::Left, VerticalAlign::Top);
    page.TextOut(columns[0], y, std::to_string(code));
    page.TextOut(columns[1], y, "ARTICULO DE PRUEBA NUMERO " + std::to_string(code));
    page.SetTextAlign(HorizontalAlign::Right, VerticalAlign::Top);
    for (int column = 2; column < 7; ++column) {
      std::snprintf(price, sizeof price, "%d.%02d", (code * column) % 997, (code + column) % 100);
      page.TextOut(columns[column] + 50, y, price);
    }
    page.MoveTo(40, y + 8);
    page.LineTo(776, y + 8);
  }
  return page.Finish();
}

Metafile RecordShapesPage() {
  EmfRecorder page(400, 300);
  page.SetFont(CanvasFont{"Times New Roman", 16, 700});
  page.SetTextAlign(HorizontalAlign::Left, VerticalAlign::Baseline);
  page.SetBackgroundMode(BackgroundMode::Transparent);
  page.TextOut(20, 40, "Código");
  page.SetFont(CanvasFont{"Arial", 12, 400, false, false, false, Color::FromRgb(0, 0, 255)});
  page.SetTextAlign(HorizontalAlign::Right, VerticalAlign::Baseline);
  page.TextOut(380, 40, "12.50");
  page.SetTextAlign(HorizontalAlign::Centre, VerticalAlign::Baseline);
  page.TextOut(200, 70, "PRECIO");
  page.SetPen(CanvasPen{PenStyle::Solid, 1, kBlack});
  page.MoveTo(20, 80);
  page.LineTo(380, 80);
  page.SetBrush(CanvasBrush{BrushStyle::Solid, Color::FromRgb(200, 200, 200)});
  page.FillRect(Rect{20, 90, 120, 140});
  page.SetPen(CanvasPen{PenStyle::Solid, 3, Color::FromRgb(255, 0, 0)});
  page.SetBrush(CanvasBrush{BrushStyle::Null, kWhite});
  page.Rectangle(Rect{140, 90, 240, 140});
  page.SetPen(CanvasPen{PenStyle::Solid, 1, kBlack});
  page.SetBrush(CanvasBrush{BrushStyle::Solid, Color::FromRgb(255, 255, 0)});
  page.Ellipse(Rect{260, 90, 380, 170});
  page.RoundRect(Rect{20, 160, 200, 220}, Size{20, 20});
  page.IntersectClipRect(Rect{20, 230, 200, 290});
  page.SetTextAlign(HorizontalAlign::Left, VerticalAlign::Top);
  page.TextOut(20, 240, "clipped text that runs past the clip box");
  page.ResetClip();
  return page.Finish();
}

}  // namespace qrtest
