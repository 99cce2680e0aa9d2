// Breaking a label's text into lines and sizing the label to them.
#include <gtest/gtest.h>

#include "controls/control_fixture.h"
#include "controls/engine_classes.h"
#include "controls/text_controls.h"
#include "model/definition_reader.h"
#include "model/definition_writer.h"
#include "platform/text_measurer.h"

namespace qrtest {
namespace {

using qr::TAlignment;
using qr::TQRLabel;

using LineBuilding = ControlTest;
using Lines = std::vector<std::string>;

TEST_F(LineBuilding, FontsResolveToTheMetricCompatibleFaces) {
  // Line breaks below depend on these metrics; another face breaks elsewhere.
  auto* label = Add<TQRLabel>(0, 0, 100, 20);
  EXPECT_EQ(label->Font().ToCanvasFont(96).pixelHeight, 11);
  EXPECT_NEAR(qr::TextMeasurer::Width(label->Font().ToCanvasFont(96), "CODIGO"), 42.73, 0.01);
}

TEST_F(LineBuilding, BreaksTextToTheControlWidth) {
  struct Case {
    const char* name;
    bool wordWrap;
    const char* fit;  // the control is exactly as wide as this text
    const char* text;
    Lines expected;
  };
  const Case cases[] = {
      {"fits", true, "one two", "one two", {"one two"}},
      {"after-space", true, "one two ", "one two three", {"one two ", "three"}},
      {"each-line-on-its-own", true, "xx ", "xx xx xx", {"xx ", "xx ", "xx"}},
      {"after-hyphen", true, "xx-", "xx-xx", {"xx-", "xx"}},
      // A word wider than the control at the start of a line keeps the
      // characters that stay narrower than the control; the line after it
      // starts empty and stays so.
      {"over-wide-word", true, "abcd", "abcdefgh", {"abc", ""}},
      // Not at the start of a line it goes to a line of its own, cut to what
      // is at most as wide as the control.
      {"over-wide-later", true, "abcd", "a abcdefgh", {"a ", "abcd", ""}},
      {"no-wrap-cuts", false, "one two ", "one two three four five six", {"one two "}},
      {"crlf-pairs", true, "long enough", "one\r\ntwo\r\nthree", {"one", "two", "three"}},
      {"lone-lf-dropped", true, "long enough", "one\ntwo", {"onetwo"}},
      {"lone-cr-breaks", true, "long enough", "one\rtwo", {"one", "two"}},
      {"trailing-crlf", true, "long enough", "one\r\n", {"one", ""}},
      {"empty", true, "long enough", "", {""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* label = Add<TQRLabel>(0, 0, 10, 20);
    label->AutoSize = false;
    label->WordWrap = c.wordWrap;
    label->SetWidth(label->TextWidth(c.fit));
    label->SetCaption(c.text);
    EXPECT_EQ(label->FormattedLines, c.expected);
    EXPECT_TRUE(label->Formatted);
  }
}

TEST_F(LineBuilding, AutoSizeKeepsOneLinePerPieceAndWidthOfTheLongest) {
  auto* label = Add<TQRLabel>(10, 0, 10, 5);
  label->SetCaption("short\r\nthe longest line\r\nmid");
  EXPECT_EQ(label->FormattedLines, (Lines{"short", "the longest line", "mid"}));
  EXPECT_EQ(label->Width(), label->TextWidth("the longest line"));
}

TEST_F(LineBuilding, AutoSizeCaptionIsTextWidthPlusOnePixelAndOneLineHigh) {
  auto* label = Add<TQRLabel>(10, 4, 10, 5);
  label->SetCaption("CODIGO");
  // 42.73 pixels rounded, plus the one pixel every measured width carries.
  EXPECT_EQ(label->Width(), 44);
  // Times New Roman 8 pt: a 12-pixel cell, plus 1.
  EXPECT_EQ(label->LineHeight(), 13);
  EXPECT_EQ(label->Height(), 13);
  EXPECT_EQ(label->Left(), 10);
  EXPECT_NEAR(label->Size().NativeWidth(), 44 * 254.0 / 96, 1e-9);

  label->Frame.DrawLeft = label->Frame.DrawRight = true;
  label->Frame.Width = 2;
  label->SetCaption("CODIGO");
  EXPECT_EQ(label->Width(), 48);  // each drawn side adds the frame's Width value
}

TEST_F(LineBuilding, AutoSizeGrowsAwayFromTheAlignedEdge) {
  struct Case {
    const char* name;
    TAlignment alignment;
    int expectedLeft;  // from left 200, width 100, to the width of "CODIGO" (44)
  };
  const Case cases[] = {
      {"left", TAlignment::taLeftJustify, 200},
      {"right", TAlignment::taRightJustify, 256},  // right edge stays at 300
      {"centre", TAlignment::taCenter, 228},       // (100 - 44) / 2 = 28
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* label = Add<TQRLabel>(200, 0, 100, 20);
    label->SetAlignment(c.alignment);
    label->SetCaption("CODIGO");
    EXPECT_EQ(label->Width(), 44);
    EXPECT_EQ(label->Left(), c.expectedLeft);
  }
}

TEST_F(LineBuilding, GrowingToALongerTextMovesTheOtherWay) {
  auto* label = Add<TQRLabel>(200, 0, 10, 20);
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetCaption("A");
  const int right = label->Left() + label->Width();
  label->SetCaption("A much longer caption");
  EXPECT_EQ(label->Left() + label->Width(), right);
  EXPECT_GT(label->Width(), 100);
}

TEST_F(LineBuilding, HeightIsRaisedToOneLineButNeverLowered) {
  auto* low = Add<TQRLabel>(0, 0, 100, 3);
  low->AutoSize = false;
  low->SetCaption("x");
  EXPECT_EQ(low->Height(), 13);
  auto* high = Add<TQRLabel>(0, 0, 100, 40);
  high->AutoSize = false;
  high->SetCaption("x");
  EXPECT_EQ(high->Height(), 40);
}

TEST_F(LineBuilding, ZoomScalesMeasurements) {
  auto* label = Add<TQRLabel>(0, 0, 10, 5);
  report_->SetZoom(200);
  label->SetCaption("CODIGO");
  EXPECT_EQ(label->TextWidth("CODIGO"), 88);
  EXPECT_EQ(label->LineHeight(), 25);
}

TEST_F(LineBuilding, RightToLeftMirrorsTheAlignment) {
  auto* label = Add<TQRLabel>(200, 0, 100, 20);
  label->SetAlignment(TAlignment::taLeftJustify);
  label->BiDiMode = qr::TBiDiMode::bdRightToLeft;
  EXPECT_EQ(label->EffectiveAlignment(), TAlignment::taRightJustify);
  label->SetCaption("CODIGO");
  EXPECT_EQ(label->Left(), 256);  // grows to the left like a right-aligned label
  label->BiDiMode = qr::TBiDiMode::bdRightToLeftReadingOnly;
  EXPECT_EQ(label->EffectiveAlignment(), TAlignment::taLeftJustify);
}

TEST(LabelDefinition, RightToLeftModeIsStoredWithTheLabel) {
  static const qr::ClassInfo form = [] {
    qr::ClassInfo info = qr::MakeFormClass("TTestForm");
    info.create = [](qr::Component* owner) { return new qr::TReportForm(owner, form); };
    return info;
  }();
  qr::ClassRegistry classes = qr::EngineClasses();
  classes.Register(form);
  const std::string text =
      "object F: TTestForm\n"
      "  object L: TQRLabel\n"
      "    BiDiMode = bdRightToLeft\n"
      "    Caption = 'x'\n"
      "  end\n"
      "end\n";
  const auto root = qr::ReadDefinition(text, classes);
  auto* label = dynamic_cast<TQRLabel*>(root->FindComponent("L"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->BiDiMode, qr::TBiDiMode::bdRightToLeft);
  EXPECT_NE(qr::WriteDefinition(*root).find("BiDiMode = bdRightToLeft"), std::string::npos);
}

TEST_F(LineBuilding, RenamingFollowsACaptionThatShowedTheName) {
  auto* label = Add<TQRLabel>(0, 0, 100, 20);
  label->SetName("QRLabel1");
  EXPECT_EQ(label->Caption(), "QRLabel1");
  label->SetName("QRLabel2");
  EXPECT_EQ(label->Caption(), "QRLabel2");
  label->SetCaption("Precio");
  label->SetName("QRLabel3");
  EXPECT_EQ(label->Caption(), "Precio");
}

}  // namespace
}  // namespace qrtest
