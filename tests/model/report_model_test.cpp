#include <gtest/gtest.h>

#include <memory>

#include "controls/text_controls.h"
#include "model/class_registry.h"
#include "model/controller_band.h"
#include "model/group.h"
#include "model/report.h"
#include "model/report_form.h"
#include "platform/locale.h"

namespace qr {
namespace {

const ClassInfo& TestFormClass() {
  static const ClassInfo info = MakeFormClass("TTestForm");
  return info;
}

// A form with a report on Letter paper with 10 mm margins.
class ReportModel : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = Locale::Current();
    Locale metric;
    Locale::SetCurrent(metric);
    form_ = std::make_unique<TReportForm>(nullptr, TestFormClass());
    report_ = new TQRReport(form_.get());
    report_->SetName("Reporte");
    report_->Page().SetPaperSize(TQRPaperSize::Letter);
  }
  void TearDown() override {
    form_.reset();
    Locale::SetCurrent(saved_);
  }

  template <typename Band = TQRBand>
  Band* AddBand(const std::string& name, TQRBandType type = TQRBandType::rbDetail) {
    auto* band = new Band(form_.get());
    band->SetName(name);
    if constexpr (std::is_same_v<Band, TQRBand>) band->SetBandType(type);
    band->SetParent(report_);
    return band;
  }

  std::vector<std::string> Order() const {
    std::vector<std::string> names;
    for (TQRCustomBand* band : report_->BandList)
      names.push_back(band->Name().empty()
                          ? "(child of " + static_cast<TQRChildBand*>(band)->ParentBand()->Name() +
                                ")"
                          : band->Name());
    return names;
  }

  Locale saved_;
  std::unique_ptr<TReportForm> form_;
  TQRReport* report_ = nullptr;
};

TEST_F(ReportModel, OrdersBandsForPrinting) {
  AddBand("PageFooter", TQRBandType::rbPageFooter);
  TQRBand* detail = AddBand("Detail", TQRBandType::rbDetail);
  AddBand("Summary", TQRBandType::rbSummary);
  auto* outer = AddBand<TQRGroup>("Outer");
  auto* inner = AddBand<TQRGroup>("Inner");
  outer->SetFooterBand(AddBand("OuterFooter"));
  inner->SetFooterBand(AddBand("InnerFooter"));
  auto* after = AddBand<TQRSubDetail>("After");
  after->SetMaster(report_);
  auto* before = AddBand<TQRSubDetail>("Before");
  before->SetMaster(report_);
  before->SetPrintBefore(true);
  AddBand("ColumnHeader", TQRBandType::rbColumnHeader);
  AddBand("Title", TQRBandType::rbTitle);
  AddBand("PageHeader", TQRBandType::rbPageHeader);
  detail->SetHasChild(true);
  AddBand("Overlay", TQRBandType::rbOverlay);

  EXPECT_EQ(Order(), (std::vector<std::string>{"PageHeader", "Title", "ColumnHeader", "Outer",
                                               "Inner", "Before", "Detail", "(child of Detail)",
                                               "After", "InnerFooter", "OuterFooter", "Summary",
                                               "PageFooter", "Overlay"}));
  EXPECT_EQ(report_->Controller().DetailBand(), detail);
  EXPECT_EQ(report_->Controller().Groups, (std::vector<TQRGroup*>{outer, inner}));
}

TEST_F(ReportModel, TheFirstDetailBandIsTheControllersDetail) {
  TQRBand* first = AddBand("First");
  AddBand("Second");
  EXPECT_EQ(report_->Controller().DetailBand(), first);
}

TEST_F(ReportModel, OneColumnBandsShareThePrintableWidth) {
  TQRBand* header = AddBand("Header", TQRBandType::rbPageHeader);
  TQRBand* detail = AddBand("Detail");
  EXPECT_EQ(report_->Width(), 816);
  EXPECT_EQ(header->Width(), 740);
  EXPECT_EQ(detail->Width(), 740);
  EXPECT_NEAR(detail->Size().NativeWidth(), 1957.9167, 1e-4);
  EXPECT_EQ(header->Left(), 38);
  EXPECT_EQ(header->Top(), 38);
  EXPECT_EQ(detail->Top(), 38 + header->Height());
}

TEST_F(ReportModel, ColumnBandsShareTheColumnWidth) {
  TQRBand* footer = AddBand("Footer", TQRBandType::rbPageFooter);
  TQRBand* detail = AddBand("Detail");
  TQRBand* header = AddBand("ColumnHeader", TQRBandType::rbColumnHeader);
  footer->SetHasChild(true);
  report_->Page().SetValue(TQRPage::kColumnSpace, 5);  // 50 native units, 19 pixels
  report_->Page().SetColumns(3);
  EXPECT_EQ(detail->Width(), 234);  // (740 - 19 * 2) div 3
  EXPECT_EQ(header->Width(), 234);
  EXPECT_EQ(footer->Width(), 740);
  EXPECT_EQ(footer->ChildBand()->Width(), 740);  // sized like its parent
}

TEST_F(ReportModel, HasTitleCreatesAndDestroysANamedBand) {
  auto* taken = new TQRLabel(form_.get());
  taken->SetName("TitleBand1");
  EXPECT_FALSE(report_->Bands().HasTitle());
  report_->Bands().SetHasTitle(true);
  ASSERT_TRUE(report_->Bands().HasTitle());
  TQRCustomBand* title = report_->Bands().BandOfIndex(1);
  EXPECT_EQ(title->Name(), "TitleBand2");
  EXPECT_EQ(title->Owner(), form_.get());
  EXPECT_EQ(report_->Bands().BandOfIndex(5), nullptr);
  report_->Bands().SetHasTitle(false);
  EXPECT_FALSE(report_->Bands().HasTitle());
  EXPECT_EQ(form_->FindComponent("TitleBand2"), nullptr);
}

TEST_F(ReportModel, HasChildCreatesAChildAndRelinksAGrandchildOnRemoval) {
  TQRBand* band = AddBand("Detail");
  band->SetHasChild(true);
  TQRChildBand* child = band->ChildBand();
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->ParentBand(), band);
  EXPECT_TRUE(child->Name().empty());
  child->SetHasChild(true);
  TQRChildBand* grandchild = child->ChildBand();
  band->SetHasChild(false);
  EXPECT_EQ(grandchild->ParentBand(), band);
  EXPECT_EQ(band->ChildBand(), grandchild);
  EXPECT_EQ(report_->BandList.size(), 2u);
}

TEST_F(ReportModel, BandsDoNotNest) {
  TQRBand* outer = AddBand("Outer");
  auto* inner = new TQRBand(form_.get());
  inner->SetParent(outer);
  EXPECT_EQ(inner->Parent(), report_);
  EXPECT_EQ(inner->OwnerReport, report_);
}

TEST_F(ReportModel, CyclesAreRefused) {
  TQRBand* band = AddBand("Detail");
  band->SetHasChild(true);
  TQRChildBand* child = band->ChildBand();
  child->SetHasChild(true);
  TQRChildBand* grandchild = child->ChildBand();
  child->SetParentBand(grandchild);
  EXPECT_EQ(child->ParentBand(), band);

  TQRBand* a = AddBand("A");
  TQRBand* b = AddBand("B");
  a->SetLinkBand(b);
  b->SetLinkBand(a);
  EXPECT_EQ(b->LinkBand(), nullptr);

  auto* first = AddBand<TQRSubDetail>("First");
  auto* second = AddBand<TQRSubDetail>("Second");
  first->SetMaster(second);
  second->SetMaster(first);
  EXPECT_EQ(second->Master(), nullptr);
}

TEST_F(ReportModel, ReferencesClearWhenTheirTargetIsDestroyed) {
  TQRBand* band = AddBand("Detail");
  TQRBand* link = AddBand("Link");
  band->SetLinkBand(link);
  auto* group = AddBand<TQRGroup>("Group");
  TQRBand* footer = AddBand("GroupFooter");
  group->SetFooterBand(footer);
  EXPECT_EQ(footer->BandType(), TQRBandType::rbGroupFooter);
  delete link;
  delete footer;
  EXPECT_EQ(band->LinkBand(), nullptr);
  EXPECT_EQ(group->FooterBand(), nullptr);
  delete band;
  EXPECT_EQ(report_->Controller().DetailBand(), nullptr);
}

TEST_F(ReportModel, AGroupOnAReportTakesItAsMaster) {
  auto* group = AddBand<TQRGroup>("Group");
  EXPECT_EQ(group->Master(), report_);
  group->SetMaster(group);  // neither a report nor a controller band
  EXPECT_EQ(group->Master(), report_);
}

TEST_F(ReportModel, ALabelAlignedToTheBandCentresOnIt) {
  TQRBand* band = AddBand("Header", TQRBandType::rbPageHeader);
  auto* label = new TQRLabel(form_.get());
  label->SetParent(band);
  label->SetWidth(372);
  label->SetAlignment(TAlignment::taCenter);
  label->SetAlignToBand(true);
  EXPECT_EQ(label->Left(), 184);
  label->SetAlignment(TAlignment::taRightJustify);
  EXPECT_EQ(label->Left(), 368);
}

TEST_F(ReportModel, ZoomOutsideItsRangeIsIgnored) {
  report_->SetZoom(0);
  report_->SetZoom(301);
  EXPECT_EQ(report_->Zoom(), 100);
  report_->SetZoom(150);
  EXPECT_EQ(report_->Zoom(), 150);
}

TEST_F(ReportModel, MeasuresTextOnTheReferenceScreen) {
  ReportFont font;
  font.name = "Times New Roman";
  font.SetSize(8);
  EXPECT_EQ(font.height, -11);
  EXPECT_EQ(report_->MeasureTextHeight(font, "W"), 12);
  EXPECT_EQ(report_->MeasureTextWidth(font, "CODIGO"), 44);  // 42.73 pixels, rounded, plus 1
}

TEST(UniqueComponentName, TakesTheFirstFreeNumber) {
  TReportForm form(nullptr, TestFormClass());
  EXPECT_EQ(UniqueComponentName(&form, "DetailBand"), "DetailBand1");
  auto* band = new TQRBand(&form);
  band->SetName("DetailBand1");
  EXPECT_EQ(UniqueComponentName(&form, "DetailBand"), "DetailBand2");
}

}  // namespace
}  // namespace qr
