// Shapes: each figure in the control's rectangle with its pen and brush.
#include <gtest/gtest.h>

#include "controls/control_fixture.h"
#include "controls/shape.h"

namespace qrtest {
namespace {

using qr::TQRShape;
using qr::TQRShapeType;
using Lines = std::vector<std::string>;

class Shapes : public ControlTest {
 protected:
  // The figure records of one print of a shape at pixels (10, 4), 15 x 30.
  Lines Figure(TQRShapeType type, float roundFactor = 0) {
    auto* shape = Add<TQRShape>(10, 4, 15, 30);
    shape->Shape = type;
    shape->RoundFactor = roundFactor;
    StartPage();
    shape->BeginPrinting();
    shape->PrintAt(kBandOrigin, kBandOrigin);
    Lines figure;
    for (const char* kind : {"rect", "ellipse", "roundrect", "line"})
      for (const std::string& line : DumpLines(Finish(), kind)) figure.push_back(line);
    return figure;
  }
};

TEST_F(Shapes, DrawsEachFigureInItsRectangle) {
  struct Case {
    const char* name;
    TQRShapeType type;
    Lines expected;
  };
  // The rectangle spans pixels 106..121 across and 100..130 down.
  const Case cases[] = {
      {"rectangle", TQRShapeType::qrsRectangle, {"rect 106,100-121,130"}},
      {"circle", TQRShapeType::qrsCircle, {"ellipse 106,100-121,130"}},
      // Through the middle, 7.5 pixels in: the native position converts to
      // 113.4999.., just below the tie.
      {"vertical-line", TQRShapeType::qrsVertLine, {"line 113,100-113,130"}},
      {"horizontal-line", TQRShapeType::qrsHorLine, {"line 106,115-121,115"}},
      {"top-and-bottom",
       TQRShapeType::qrsTopAndBottom,
       {"line 106,100-121,100", "line 106,130-121,130"}},
      {"right-and-left",
       TQRShapeType::qrsRightAndLeft,
       {"line 106,100-106,130", "line 121,100-121,130"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Figure(c.type), c.expected);
  }
}

TEST_F(Shapes, RoundRectCornerIsTheScreenWidthTimesTheFactor) {
  // 15 pixels x 0.5 = 7.5, truncated.
  EXPECT_EQ(Figure(TQRShapeType::qrsRoundRect, 0.5f),
            Lines{"roundrect 106,100-121,130 corner=7,7"});
}

TEST_F(Shapes, UsesItsPenAndBrush) {
  auto* shape = Add<TQRShape>(10, 4, 15, 30);
  shape->Pen.width = 2;
  shape->Pen.color = qr::Color::FromRgb(255, 0, 0);
  shape->Pen.style = qr::TPenStyle::psDash;
  shape->Brush.style = qr::TBrushStyle::bsClear;
  StartPage();
  shape->BeginPrinting();
  shape->PrintAt(kBandOrigin, kBandOrigin);
  const std::string page = Finish();
  EXPECT_EQ(DumpLines(page, "pen").back(), "pen dash width=2 color=#FF0000");
  EXPECT_EQ(DumpLines(page, "brush").back(), "brush null");
}

TEST_F(Shapes, DisabledShapesDrawNothing) {
  auto* shape = Add<TQRShape>(10, 4, 15, 30);
  shape->Enabled = false;
  EXPECT_EQ(PrintOnce(*shape, "rect"), Lines{});
}

TEST_F(Shapes, NewShapeIsSixtyFivePixelsSquare) {
  TQRShape shape(nullptr);
  EXPECT_EQ(shape.Width(), 65);
  EXPECT_EQ(shape.Height(), 65);
}

}  // namespace
}  // namespace qrtest
