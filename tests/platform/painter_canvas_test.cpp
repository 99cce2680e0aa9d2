#include "platform/painter_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr QRgb kWhitePixel = 0xFFFFFFFF;
constexpr QRgb kBlackPixel = 0xFF000000;

// A white image painted through the canvas.
class PaintedImage {
 public:
  PaintedImage(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    painter_.begin(&image_);
    canvas_.emplace(painter_);
  }
  PainterCanvas& Canvas() { return *canvas_; }
  const QImage& Finish() {
    canvas_.reset();
    painter_.end();
    return image_;
  }

 private:
  QImage image_;
  QPainter painter_;
  std::optional<PainterCanvas> canvas_;
};

// The smallest box holding every pixel that is not white.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != kWhitePixel) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(PainterCanvas, FillRectCoversTheBoxWithoutItsRightAndBottomEdges) {
  PaintedImage painted(40, 40);
  painted.Canvas().SetBrush(CanvasBrush{BrushStyle::Solid, kBlack});
  painted.Canvas().FillRect(Rect{10, 5, 20, 25});
  EXPECT_EQ(InkBox(painted.Finish()), QRect(QPoint(10, 5), QPoint(19, 24)));
}

TEST(PainterCanvas, ShapesWithoutAPenFillOneUnitShort) {
  PaintedImage painted(40, 40);
  painted.Canvas().SetPen(CanvasPen{PenStyle::Null, 0, kBlack});
  painted.Canvas().SetBrush(CanvasBrush{BrushStyle::Solid, kBlack});
  painted.Canvas().Rectangle(Rect{10, 5, 20, 25});
  EXPECT_EQ(InkBox(painted.Finish()), QRect(QPoint(10, 5), QPoint(18, 23)));
}

TEST(PainterCanvas, RectangleOutlineStaysInsideTheBox) {
  struct Case {
    const char* name;
    int penWidth;
  };
  for (const Case& c : {Case{"thin", 1}, Case{"wide", 3}}) {
    SCOPED_TRACE(c.name);
    PaintedImage painted(40, 40);
    painted.Canvas().SetPen(CanvasPen{PenStyle::Solid, c.penWidth, kBlack});
    painted.Canvas().SetBrush(CanvasBrush{BrushStyle::Null, kWhite});
    painted.Canvas().Rectangle(Rect{5, 5, 30, 20});
    const QImage& image = painted.Finish();
    EXPECT_EQ(InkBox(image), QRect(QPoint(5, 5), QPoint(29, 19)));
    EXPECT_EQ(image.pixel(5 + c.penWidth - 1, 12), kBlackPixel);
    EXPECT_EQ(image.pixel(5 + c.penWidth, 12), kWhitePixel);
  }
}

TEST(PainterCanvas, HorizontalLineCoversOneRowOfPixels) {
  PaintedImage painted(40, 40);
  painted.Canvas().MoveTo(5, 10);
  painted.Canvas().LineTo(30, 10);
  const QRect ink = InkBox(painted.Finish());
  EXPECT_EQ(ink.top(), 10);
  EXPECT_EQ(ink.height(), 1);
  EXPECT_EQ(ink.left(), 5);
}

TEST(PainterCanvas, TextSitsOnItsReferencePointAsAligned) {
  CanvasFont font;
  font.faceName = "Arial";
  font.pixelHeight = 20;
  const FontMetrics metrics = TextMeasurer::Metrics(font);
  const int width = TextMeasurer::Extent(font, "HHH").width;
  struct Case {
    const char* name;
    HorizontalAlign horizontal;
    VerticalAlign vertical;
    int expectedLeft;      // where the ink of "HHH" starts, about
    int expectedBaseline;  // last row of ink
  };
  const Case cases[] = {
      {"left-top", HorizontalAlign::Left, VerticalAlign::Top, 100, 50 + metrics.ascent - 1},
      {"right-baseline", HorizontalAlign::Right, VerticalAlign::Baseline, 100 - width, 49},
      {"centre-bottom", HorizontalAlign::Centre, VerticalAlign::Bottom, 100 - width / 2,
       50 - metrics.descent - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PaintedImage painted(200, 120);
    painted.Canvas().SetFont(font);
    painted.Canvas().SetBackgroundMode(BackgroundMode::Transparent);
    painted.Canvas().SetTextAlign(c.horizontal, c.vertical);
    painted.Canvas().TextOut(100, 50, "HHH");
    const QRect ink = InkBox(painted.Finish());
    EXPECT_NEAR(ink.left(), c.expectedLeft, 2);
    EXPECT_NEAR(ink.bottom(), c.expectedBaseline, 1);
  }
}

TEST(PainterCanvas, OpaqueTextFillsItsCellWithTheBackgroundColour) {
  CanvasFont font;
  font.pixelHeight = 16;
  PaintedImage painted(100, 40);
  painted.Canvas().SetFont(font);
  painted.Canvas().SetBackgroundColor(Color::FromRgb(255, 0, 0));
  painted.Canvas().TextOut(10, 10, "i");
  const QImage& image = painted.Finish();
  const FontMetrics metrics = TextMeasurer::Metrics(font);
  EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(10, 10 + metrics.Height() - 1), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(10, 10 + metrics.Height() + 1), kWhitePixel);
}

}  // namespace
}  // namespace qr
