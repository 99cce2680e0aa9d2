#include "model/frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace qr {
namespace {

// Records the filled rectangles.
class FillRecorder : public Canvas {
 public:
  void SetFont(const CanvasFont&) override {}
  void SetPen(const CanvasPen&) override {}
  void SetBrush(const CanvasBrush& brush) override { brushes.push_back(brush); }
  void SetTextAlign(HorizontalAlign, VerticalAlign) override {}
  void SetBackgroundMode(BackgroundMode) override {}
  void SetBackgroundColor(Color) override {}
  void TextOut(int, int, const std::string&) override {}
  Size TextExtent(const std::string&) override { return {}; }
  void FillRect(const Rect& box) override { fills.push_back(box); }
  void Rectangle(const Rect&) override {}
  void Ellipse(const Rect&) override {}
  void RoundRect(const Rect&, Size) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void IntersectClipRect(const Rect&) override {}
  void ResetClip() override {}
  std::vector<Rect> fills;
  std::vector<CanvasBrush> brushes;
};

TEST(Frame, LinesAreFilledStripsAsThickAsTheWidthOnTheDevice) {
  TQRFrame frame;
  frame.DrawTop = frame.DrawBottom = frame.DrawLeft = frame.DrawRight = true;
  struct Case {
    const char* name;
    int width;
    double dotsPerNative;
    int thickness;
  };
  const Case cases[] = {
      {"screen", 1, 96.0 / 254, 1},                                        // 1.33 dots round to 1
      {"600 dpi", 1, 600.0 / 254, 8},                                      // 8.33 dots
      {"two points", 2, 600.0 / 254, 17}, {"width 0", 0, 600.0 / 254, 0},  // nothing visible
      {"width -1", -1, 600.0 / 254, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    frame.Width = c.width;
    FillRecorder canvas;
    frame.PaintFrame(canvas, {10, 20, 110, 70}, c.dotsPerNative, c.dotsPerNative);
    ASSERT_EQ(canvas.fills.size(), 4u);
    const int t = c.thickness;
    EXPECT_EQ(canvas.fills[0], (Rect{10, 20, 110, 20 + t}));
    EXPECT_EQ(canvas.fills[1], (Rect{10, 70 - t, 110, 70}));
    EXPECT_EQ(canvas.fills[2], (Rect{10, 20, 10 + t, 70}));
    EXPECT_EQ(canvas.fills[3], (Rect{110 - t, 20, 110, 70}));
    EXPECT_EQ(canvas.brushes.back().style, BrushStyle::Null);
  }
}

TEST(Frame, OnlyTheSetSidesAreDrawn) {
  TQRFrame frame;
  EXPECT_FALSE(frame.AnyFrame());
  frame.DrawLeft = true;
  EXPECT_TRUE(frame.AnyFrame());
  FillRecorder canvas;
  frame.PaintFrame(canvas, {0, 0, 50, 50}, 1, 1);
  ASSERT_EQ(canvas.fills.size(), 1u);
  EXPECT_EQ(canvas.fills[0].left, 0);
}

}  // namespace
}  // namespace qr
