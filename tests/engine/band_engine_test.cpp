#include "engine/band_engine.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "model/model_classes.h"
#include "model/printable.h"
#include "model/report_form.h"
#include "pages/qr_printer.h"
#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"
#include "platform/text_measurer.h"
#include "plugin/report/price_list_definition.h"

namespace qr {
namespace {

// Where a band ended up: its page, the cursor before it and after it.
struct Placement {
  std::string band;
  int page;
  int top;
  int bottom;
  friend bool operator==(const Placement&, const Placement&) = default;
};

std::ostream& operator<<(std::ostream& out, const Placement& p) {
  return out << p.band << "@" << p.page << ":" << p.top << "-" << p.bottom;
}

// Runs the band engine over the price-list report with a page-store printer
// and records where every band went.
class PriceListPages : public testing::Test {
 protected:
  void SetUp() override {
    root_ = rep::LoadPriceListDefinition();
    report_ = dynamic_cast<TQRReport*>(root_->FindComponent("Reporte"));
    printer_.DeviceSettings.PaperSize = Letter;
    report_->QRPrinter = &printer_;
    // These tests are about where bands go; the report's own controls, which
    // need a prepared run to print, stay out of the way.
    for (TQRCustomBand* band : report_->BandList) {
      Watch(*band);
      for (Control* child : band->Controls())
        if (auto* control = dynamic_cast<TQRPrintable*>(child)) control->Enabled = false;
    }
    engine_ = std::make_unique<BandEngine>(*report_);
  }

  void Watch(TQRCustomBand& band) {
    band.AfterPrint = [this](TQRCustomBand& b, bool) {
      const int bottom = report_->CursorY;
      const int top = bottom - RoundHalfEven(b.Size().NativeHeight() + b.StretchHeight);
      placements_.push_back({b.Name(), report_->PageNumber, top, bottom});
    };
  }

  void Start() {
    report_->Idle = false;
    engine_->StartRun();
    printer_.StartJob();
  }

  // Details, then the summary, then the end of the run.
  void Run(int details) {
    Start();
    TQRCustomBand* detail = report_->Bands().BandOfIndex(4);
    for (int i = 0; i < details; ++i) engine_->OutputBand(detail);
    if (details > 0) engine_->OutputBand(report_->Bands().BandOfIndex(7));
    Finish();
  }

  void Finish() {
    report_->LastPageReached = true;
    engine_->FinishPage();
    printer_.EndJob();
    report_->Idle = true;
  }

  std::vector<Placement> Of(const std::string& band) const {
    std::vector<Placement> found;
    for (const Placement& p : placements_)
      if (p.band == band) found.push_back(p);
    return found;
  }

  std::string PageDump(int page) {
    DumpCanvas dump;
    PlayMetafile(*printer_.GetPage(page), dump);
    return dump.Text();
  }

  std::unique_ptr<Component> root_;
  TQRReport* report_ = nullptr;
  TQRPrinter printer_;
  std::unique_ptr<BandEngine> engine_;
  std::vector<Placement> placements_;
};

TEST_F(PriceListPages, FirstPageStartsUnderItsHeader) {
  Run(1);
  EXPECT_NEAR(report_->FooterReserve, 29.1042, 1e-4);
  EXPECT_EQ(Of("QRBColumnas"), (std::vector<Placement>{{"QRBColumnas", 1, 100, 201}}));
  EXPECT_EQ(report_->ColumnTop, 201);
  EXPECT_EQ(Of("QRBand1"), (std::vector<Placement>{{"QRBand1", 1, 201, 243}}));
}

TEST_F(PriceListPages, FiftyEightDetailsFillAPage) {
  Run(59);
  const auto details = Of("QRBand1");
  ASSERT_EQ(details.size(), 59u);
  EXPECT_EQ(details[57], (Placement{"QRBand1", 1, 2595, 2637}));
  // The 59th detail starts page 2 under that page's header.
  EXPECT_EQ(details[58], (Placement{"QRBand1", 2, 201, 243}));
  EXPECT_EQ(Of("QRBColumnas").size(), 2u);
  EXPECT_EQ(report_->PageNumber, 2);
}

TEST_F(PriceListPages, TheSummaryFitsAfter57DetailsButNotAfter58) {
  Run(57);
  EXPECT_EQ(report_->PageNumber, 1);
  EXPECT_EQ(Of("QRBand2"), (std::vector<Placement>{{"QRBand2", 1, 2595, 2648}}));
  placements_.clear();
  printer_.Reset();
  Run(58);
  EXPECT_EQ(report_->PageNumber, 2);
  EXPECT_EQ(Of("QRBand2"), (std::vector<Placement>{{"QRBand2", 2, 201, 254}}));
  EXPECT_EQ(printer_.PageCount(), 2);
}

TEST_F(PriceListPages, ThePageFooterSitsAboveTheBottomMarginOnEveryPage) {
  Run(70);
  EXPECT_EQ(Of("QRBFooterPage"), (std::vector<Placement>{{"QRBFooterPage", 1, 2665, 2694},
                                                         {"QRBFooterPage", 2, 2665, 2694}}));
}

TEST_F(PriceListPages, NoRecordsStartNoPage) {
  Run(0);
  EXPECT_EQ(report_->PageNumber, 0);
  EXPECT_TRUE(placements_.empty());
  EXPECT_EQ(printer_.PageCount(), 0);
}

TEST_F(PriceListPages, WithoutFirstPageHeaderOnlyLaterPagesHaveOne) {
  report_->Options = LastPageFooter;
  Run(60);
  const auto headers = Of("QRBColumnas");
  ASSERT_EQ(headers.size(), 1u);
  EXPECT_EQ(headers[0].page, 2);
  EXPECT_EQ(Of("QRBand1")[0], (Placement{"QRBand1", 1, 100, 142}));
}

TEST_F(PriceListPages, BandsFillTheirBackgroundAndDrawTheirFrame) {
  Run(1);
  const std::string page = PageDump(1);
  // The detail band at (100, 201) native: 38,76 in 96-dpi dots, 740 wide, 16
  // high; its left and right frame lines are filled strips one dot wide over
  // the height used plus one native unit.
  EXPECT_NE(page.find("fill 38,76-778,92"), std::string::npos) << page;
  EXPECT_NE(page.find("fill 38,76-39,92"), std::string::npos) << page;
  EXPECT_NE(page.find("fill 777,76-778,92"), std::string::npos) << page;
}

TEST_F(PriceListPages, APageFootersChildPrintsWithoutASpaceCheck) {
  auto* footer = static_cast<TQRCustomBand*>(root_->FindComponent("QRBFooterPage"));
  footer->SetHasChild(true);
  TQRCustomBand* child = footer->ChildBand();
  child->SetName("FooterChild");
  Watch(*child);
  Start();
  // The footer room was measured with the new child's 20 native units; grown
  // to 100 now, it runs into the bottom margin and is printed all the same.
  child->Size().SetHeight(10);
  engine_->OutputBand(report_->Bands().BandOfIndex(4));
  Finish();
  EXPECT_EQ(Of("FooterChild"), (std::vector<Placement>{{"FooterChild", 1, 2674, 2774}}));
  EXPECT_EQ(printer_.PageCount(), 1);
}

TEST_F(PriceListPages, AForcedPageBeforeTheFirstPageOnlyFindsRoom) {
  auto* detail = report_->Bands().BandOfIndex(4);
  detail->ForceNewPage = true;
  Run(2);
  // The first detail starts page 1; the second is forced onto page 2.
  const auto details = Of("QRBand1");
  EXPECT_EQ(details[0].page, 1);
  EXPECT_EQ(details[1].page, 2);
}

TEST_F(PriceListPages, TwoColumnsFillSideBySideThenStartANewPage) {
  report_->Page().SetValue(TQRPage::kColumnSpace, 5);  // 50 native
  report_->Page().SetColumns(2);
  TQRCustomBand* detail = report_->Bands().BandOfIndex(4);
  const int columnWidth = RoundHalfEven(detail->Size().NativeWidth());
  Start();
  std::vector<std::pair<int, int>> columns;  // (page, CursorX) of each detail
  detail->AfterPrint = [&](TQRCustomBand&, bool) {
    columns.push_back({report_->PageNumber, report_->CursorX});
  };
  for (int i = 0; i < 58 * 2 + 1; ++i) engine_->OutputBand(detail);
  Finish();
  EXPECT_EQ(columns[57], std::make_pair(1, 100));
  EXPECT_EQ(columns[58], std::make_pair(1, 100 + columnWidth + 50));
  EXPECT_EQ(columns[116], std::make_pair(2, 100));
}

// A control that needs two passes: it has lines left after the first.
class TwoPartControl : public TQRPrintable {
 public:
  using TQRPrintable::TQRPrintable;
  const ClassInfo& Class() const override { return PrintableClass(); }
  void PrintAt(int x, int y) override {
    positions.push_back({x, y});
    PrintFinished = positions.size() >= 2;
  }
  std::vector<std::pair<int, int>> positions;
};

TEST_F(PriceListPages, AnUnfinishedControlContinuesOnTheNextPage) {
  TQRCustomBand* detail = report_->Bands().BandOfIndex(4);
  auto* control = new TwoPartControl(root_.get());
  control->SetParent(detail);
  Run(1);
  // Both passes print at the band's top: on page 1, then under page 2's header.
  EXPECT_EQ(control->positions, (std::vector<std::pair<int, int>>{{100, 201}, {100, 201}}));
  EXPECT_EQ(printer_.PageCount(), 2);
  // Page 2 shows the band's frame again but not its background.
  const std::string page2 = PageDump(2);
  EXPECT_EQ(page2.find("fill 38,76-778,92"), std::string::npos) << page2;
  EXPECT_NE(page2.find("fill 38,76-39,92"), std::string::npos) << page2;
  EXPECT_NE(PageDump(1).find("fill 38,76-778,92"), std::string::npos);
}

}  // namespace
}  // namespace qr
