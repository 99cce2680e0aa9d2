// A label's lines on the page: background, alignment, cutting, stretching
// its band and continuing on the next page.
#include <gtest/gtest.h>

#include "controls/control_fixture.h"
#include "controls/shape.h"
#include "controls/text_controls.h"

namespace qrtest {
namespace {

using qr::TAlignment;
using qr::TQRLabel;
using Lines = std::vector<std::string>;

class LabelPrinting : public ControlTest {
 protected:
  // A fixed-size, word-wrapping label of 13-pixel lines at pixel (10, 4) of the band.
  TQRLabel* WrappingLabel(int widthFit, int lines, const std::string& caption) {
    auto* label = Add<TQRLabel>(10, 4, 10, 13 * lines);
    label->AutoSize = false;
    label->SetWidth(widthFit);
    label->SetCaption(caption);
    return label;
  }
};

TEST_F(LabelPrinting, FillsTheBackgroundAndDrawsEachLineAtItsAlignment) {
  struct Case {
    const char* name;
    TAlignment alignment;
    const char* first;
    const char* second;
  };
  // The label spans pixels 106..(106 + width) across, 100.. down; lines
  // are 12 pixels apart (the canvas cell of "W").
  const Case cases[] = {
      {"left", TAlignment::taLeftJustify, R"(text x=106 y=100 align=left "xx ")",
       R"(text x=106 y=112 align=left "xx")"},
      {"right", TAlignment::taRightJustify, R"(text x=127 y=100 align=right "xx ")",
       R"(text x=127 y=112 align=right "xx")"},
      {"centre", TAlignment::taCenter, R"(text x=116 y=100 align=centre "xx ")",
       R"(text x=116 y=112 align=centre "xx")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    auto* label = Add<TQRLabel>(10, 4, 21, 26);
    label->AutoSize = false;
    label->SetAlignment(c.alignment);
    label->SetCaption("xx xx");
    ASSERT_EQ(label->FormattedLines, (Lines{"xx ", "xx"}));
    StartPage();
    label->BeginPrinting();
    label->PrintAt(kBandOrigin, kBandOrigin);
    const std::string page = Finish();
    EXPECT_EQ(DumpLines(page, "fill"), (Lines{"fill 106,100-127,126"}));
    EXPECT_EQ(DumpLines(page, "text"), (Lines{c.first, c.second}));
    EXPECT_TRUE(label->PrintFinished);
  }
}

TEST_F(LabelPrinting, TransparentLabelsLeaveTheBackground) {
  auto* label = Add<TQRLabel>(10, 4, 30, 13);
  label->SetTransparent(true);
  label->SetCaption("CODIGO");
  EXPECT_EQ(PrintOnce(*label, "fill"), Lines{});
}

TEST_F(LabelPrinting, EmptyTextDrawsNoText) {
  auto* label = Add<TQRLabel>(10, 4, 30, 13);
  label->AutoSize = false;
  label->SetCaption("");
  EXPECT_EQ(label->FormattedLines, Lines{""});
  EXPECT_EQ(PrintOnce(*label), Lines{});
}

TEST_F(LabelPrinting, WithoutAutoStretchLinesBelowTheControlAreCut) {
  auto* label = WrappingLabel(21, 2, "");
  label->SetWidth(label->TextWidth("xx "));
  label->SetCaption("xx xx xx xx");
  ASSERT_EQ(label->FormattedLines.size(), 4u);
  const Lines texts = PrintOnce(*label);
  EXPECT_EQ(texts, (Lines{R"(text x=106 y=100 align=left "xx ")",
                          R"(text x=106 y=112 align=left "xx ")"}));
  EXPECT_TRUE(label->PrintFinished);
  EXPECT_EQ(band_->StretchHeight, 0);
}

TEST_F(LabelPrinting, AutoStretchGrowsTheBandAndContinuesOnTheNextPage) {
  auto* label = Add<TQRLabel>(10, 4, 10, 26);
  label->AutoSize = false;
  label->AutoStretch = true;
  label->SetWidth(label->TextWidth("xx "));
  label->SetCaption("a1 a2 a3 a4 a5 a6");
  ASSERT_EQ(label->FormattedLines.size(), 6u);
  // Room for one more line below the design height (a line is 12 pixels =
  // 31.75 native units).
  stretcher_.room = 40;
  StartPage();
  label->BeginPrinting();
  label->PrintAt(kBandOrigin, kBandOrigin);
  EXPECT_FALSE(label->PrintFinished);
  EXPECT_EQ(label->NextLine, 3);
  EXPECT_DOUBLE_EQ(band_->StretchHeight, 31.75);

  // The band engine starts a page and prints the control again at its top.
  printer_.NewPage();
  band_->StretchHeight = 0;
  stretcher_.room = 0;
  label->PrintAt(kBandOrigin, kBandOrigin);
  EXPECT_FALSE(label->PrintFinished);
  printer_.NewPage();
  band_->StretchHeight = 0;
  stretcher_.room = 500;
  label->PrintAt(kBandOrigin, kBandOrigin);
  EXPECT_TRUE(label->PrintFinished);
  printer_.EndJob();

  EXPECT_EQ(DumpLines(PageDump(printer_, 1), "text"),
            (Lines{R"(text x=106 y=100 align=left "a1 ")", R"(text x=106 y=112 align=left "a2 ")",
                   R"(text x=106 y=124 align=left "a3 ")"}));
  EXPECT_EQ(
      DumpLines(PageDump(printer_, 2), "text"),
      (Lines{R"(text x=106 y=100 align=left "a4 ")", R"(text x=106 y=112 align=left "a5 ")"}));
  EXPECT_EQ(DumpLines(PageDump(printer_, 3), "text"),
            (Lines{R"(text x=106 y=100 align=left "a6")"}));
  // The strip gained on page 1 is filled like the control's background.
  EXPECT_EQ(DumpLines(PageDump(printer_, 1), "fill"),
            (Lines{"fill 106,100-121,126", "fill 106,126-121,138"}));
}

TEST_F(LabelPrinting, ABandAlreadyStretchedByAnotherControlIsNotStretchedAgain) {
  auto* longer = Add<TQRLabel>(10, 4, 10, 13);
  auto* shorter = Add<TQRLabel>(40, 4, 10, 13);
  for (auto [label, caption] : {std::pair{longer, "c1 c2 c3"}, std::pair{shorter, "d1 d2"}}) {
    label->AutoSize = false;
    label->AutoStretch = true;
    label->SetWidth(label->TextWidth("xx "));
    label->SetCaption(caption);
  }
  stretcher_.room = 500;
  StartPage();
  for (TQRLabel* label : {longer, shorter}) {
    label->BeginPrinting();
    label->PrintAt(kBandOrigin, kBandOrigin);
  }
  // Two lines of 31.75 native units for the longer label; the shorter one
  // needed one and found the band grown already.
  EXPECT_DOUBLE_EQ(band_->StretchHeight, 63.5);
  EXPECT_TRUE(shorter->PrintFinished);
  // The shorter label's background follows the band from its bottom (pixel 113)
  // down the whole stretch of 24 pixels.
  EXPECT_EQ(DumpLines(Finish(), "fill").back(), "fill 136,113-151,137");
}

TEST_F(LabelPrinting, ANewPrintStartsAgainAtTheFirstLine) {
  auto* label = Add<TQRLabel>(10, 4, 10, 13);
  label->AutoSize = false;
  label->AutoStretch = true;
  label->SetWidth(label->TextWidth("xx "));
  label->SetCaption("b1 b2");
  StartPage();
  label->BeginPrinting();
  label->PrintAt(kBandOrigin, kBandOrigin);  // no room: one line, unfinished
  ASSERT_FALSE(label->PrintFinished);
  label->PrintFinished = true;  // the band engine gave up on it: a new print
  stretcher_.room = 500;
  label->PrintAt(kBandOrigin, 2 * kBandOrigin);
  EXPECT_EQ(DumpLines(Finish(), "text"),
            (Lines{R"(text x=106 y=100 align=left "b1 ")", R"(text x=106 y=196 align=left "b1 ")",
                   R"(text x=106 y=208 align=left "b2")"}));
}

TEST_F(LabelPrinting, OnPrintChangesOnlyThatPrint) {
  auto* label = Add<TQRLabel>(10, 4, 30, 13);
  label->SetCaption("Precio");
  int calls = 0;
  label->OnPrint = [&](qr::Component&, std::string& value) {
    if (++calls == 1) value = "Changed " + value;
  };
  StartPage();
  label->BeginPrinting();
  label->PrintAt(kBandOrigin, kBandOrigin);
  EXPECT_EQ(label->PrintText(), "Precio");
  label->PrintAt(kBandOrigin, kBandOrigin + 100);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(DumpLines(Finish(), "text"), (Lines{R"(text x=106 y=100 align=left "Changed Precio")",
                                                R"(text x=106 y=138 align=left "Precio")"}));
}

TEST_F(LabelPrinting, FrameIsDrawnAroundTheControlAndInsetsTheText) {
  auto* label = Add<TQRLabel>(10, 4, 40, 20);
  label->AutoSize = false;
  label->Frame.DrawTop = label->Frame.DrawLeft = true;
  label->SetCaption("x");
  const std::string page =
      (StartPage(), label->BeginPrinting(), label->PrintAt(kBandOrigin, kBandOrigin), Finish());
  // One point is 3.5 native units, 4 when rounded: 1.5 pixels.
  EXPECT_EQ(DumpLines(page, "text"), Lines{R"(text x=108 y=102 align=left "x")"});
  EXPECT_EQ(DumpLines(page, "fill"),
            (Lines{"fill 106,100-146,120", "fill 106,100-148,101", "fill 106,100-107,122"}));
}

TEST_F(LabelPrinting, PrintableBaseDrawsOnlyTheFrame) {
  auto* shape = Add<qr::TQRShape>(10, 4, 40, 20);
  shape->Frame.DrawBottom = shape->Frame.DrawRight = true;
  StartPage();
  shape->BeginPrinting();
  shape->TQRPrintable::PrintAt(kBandOrigin, kBandOrigin);
  EXPECT_EQ(DumpLines(Finish(), "fill"), (Lines{"fill 106,119-146,120", "fill 145,100-146,120"}));
}

}  // namespace
}  // namespace qrtest
