// The expression control: compiled once per run, aggregates stepped per
// record, the value printed through Mask.
#include <gtest/gtest.h>

#include "controls/control_fixture.h"
#include "controls/text_controls.h"
#include "model/controller_band.h"

namespace qrtest {
namespace {

using qr::TQRExpr;
using Lines = std::vector<std::string>;

class Expression : public ControlTest {
 protected:
  TQRExpr* Expr(const std::string& expression, const std::string& mask = "") {
    auto* control = Add<TQRExpr>(10, 4, 100, 13);
    control->SetExpression(expression);
    control->SetMask(mask);
    return control;
  }
  // Prints the control once after `records` aggregate steps; returns its text.
  std::string PrintAfter(TQRExpr& control, int records) {
    StartPage();
    control.BeginPrinting();
    for (int i = 0; i < records; ++i) control.Notify(&report_->Controller(), 0);
    control.PrintAt(kBandOrigin, kBandOrigin);
    const Lines texts = DumpLines(Finish(), "text");
    control.EndPrinting();
    return texts.empty() ? "" : texts.front();
  }
  std::string ValueOf(const std::string& expression, const std::string& mask = "") {
    TQRExpr* control = Expr(expression, mask);
    control->AutoSize = false;
    control->SetWidth(400);
    StartPage();
    control->BeginPrinting();
    control->PrintAt(kBandOrigin, kBandOrigin);
    Finish();
    const std::string text = control->FormattedLines.front();
    control->EndPrinting();
    return text;
  }
};

TEST_F(Expression, CountPrintsTheNumberOfRecordsAndSizesTheControl) {
  TQRExpr* count = Expr("COUNT");
  EXPECT_EQ(PrintAfter(*count, 58), R"(text x=106 y=100 align=left "58")");
  StartPage();
  count->BeginPrinting();
  count->PrintAt(kBandOrigin, kBandOrigin);
  EXPECT_EQ(count->Width(), count->TextWidth("0"));
}

TEST_F(Expression, RegistersForAggregationWithItsMasterOrItsReport) {
  auto* subDetail = new qr::TQRSubDetail(form_.get());
  subDetail->SetParent(report_);
  struct Case {
    const char* name;
    const char* expression;
    qr::Component* master;
    std::size_t onReport, onSubDetail;
  };
  const Case cases[] = {
      {"aggregate-on-own-report", "SUM(1)", nullptr, 1, 0},
      {"plain-not-registered", "1 + 1", nullptr, 0, 0},
      {"report-master-always", "1 + 1", report_, 1, 0},
      {"sub-detail-master", "COUNT", subDetail, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    report_->Controller().Aggregates.clear();
    subDetail->Controller().Aggregates.clear();
    TQRExpr* control = Expr(c.expression);
    control->SetMaster(c.master);
    control->BeginPrinting();
    EXPECT_EQ(report_->Controller().Aggregates.size(), c.onReport);
    EXPECT_EQ(subDetail->Controller().Aggregates.size(), c.onSubDetail);
    control->EndPrinting();
  }
}

TEST_F(Expression, ValueTextFollowsTheKindAndMask) {
  struct Case {
    const char* name;
    const char* expression;
    const char* mask;
    const char* expected;
  };
  const Case cases[] = {
      {"integer", "1 + 2", "", "3"},
      {"float-general", "7 / 2", "", "3.5"},
      {"float-mask", "7 / 2", "0.00", "3.50"},
      {"integer-mask", "1234", "#,##0", "1,234"},
      {"string", "'abc' + 'def'", "0.00", "abcdef"},
      {"boolean", "1 = 1", "", "True"},
      {"malformed", "1 +", "", R"(Illegal character in numeric contant "1 +")"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ValueOf(c.expression, c.mask), c.expected);
  }
}

TEST_F(Expression, ReadsFieldsOfTheReportDatasets) {
  MemoryDataset prices("Precios", {{"Precio", qr::data::FieldKind::Float}});
  prices.AddRow({MemoryDataset::Real(2.25)});
  prices.Open();
  report_->AllDataSets = {&prices};
  EXPECT_EQ(ValueOf("Precio * 2"), "4.5");
}

TEST_F(Expression, ResetAfterPrintRestartsTheTotal) {
  TQRExpr* count = Expr("COUNT");
  count->ResetAfterPrint = true;
  StartPage();
  count->BeginPrinting();
  for (int records : {3, 2}) {
    for (int i = 0; i < records; ++i) count->Notify(&report_->Controller(), 0);
    count->PrintAt(kBandOrigin, kBandOrigin);
  }
  EXPECT_EQ(DumpLines(Finish(), "text"),
            (Lines{R"(text x=106 y=100 align=left "3")", R"(text x=106 y=100 align=left "2")"}));
}

TEST_F(Expression, CaptionShowsTheExpressionBetweenRuns) {
  TQRExpr* count = Expr("COUNT");
  EXPECT_EQ(count->Caption(), "COUNT");
  PrintAfter(*count, 2);
  EXPECT_EQ(count->Caption(), "COUNT");
  EXPECT_FALSE(count->Evaluator().Prepared());
  count->SetExpression("");
  EXPECT_EQ(count->Caption(), "(none)");
}

}  // namespace
}  // namespace qrtest
