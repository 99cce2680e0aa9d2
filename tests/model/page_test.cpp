#include "model/page.h"

#include <gtest/gtest.h>

#include "model/report.h"
#include "platform/locale.h"

namespace qr {
namespace {

// Pins the metric locale for the page defaults.
class PageTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = Locale::Current();
    Locale metric;
    metric.measurementSystem = MeasurementSystem::Metric;
    Locale::SetCurrent(metric);
  }
  void TearDown() override { Locale::SetCurrent(saved_); }
  Locale saved_;
};

TEST_F(PageTest, MetricPagesStartAsA4WithTenMillimetreMargins) {
  TQRPage page(nullptr);
  EXPECT_EQ(page.Units(), TQRUnit::MM);
  EXPECT_EQ(page.PaperSize(), TQRPaperSize::A4);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 2100);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kLength), 2970);
  for (auto margin :
       {TQRPage::kTopMargin, TQRPage::kBottomMargin, TQRPage::kLeftMargin, TQRPage::kRightMargin})
    EXPECT_DOUBLE_EQ(page.Native(margin), 100);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kColumnSpace), 0);
  EXPECT_EQ(page.Columns(), 1);
}

TEST_F(PageTest, USPagesStartAsLetterWithHalfInchMargins) {
  Locale us;
  us.measurementSystem = MeasurementSystem::US;
  Locale::SetCurrent(us);
  TQRPage page(nullptr);
  EXPECT_EQ(page.Units(), TQRUnit::Inches);
  EXPECT_EQ(page.PaperSize(), TQRPaperSize::Letter);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 2159);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kTopMargin), 127);
}

TEST_F(PageTest, FixedPaperSizesOwnWidthAndLength) {
  TQRPage page(nullptr);
  page.SetValue(TQRPage::kWidth, 300);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 2100);
  page.SetPaperSize(TQRPaperSize::Custom);
  page.SetValue(TQRPage::kWidth, 300);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 3000);
  page.SetPaperSize(TQRPaperSize::Default);
  EXPECT_EQ(page.PaperSize(), TQRPaperSize::Default);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 3000);
}

TEST_F(PageTest, LandscapeSwapsTheTableDimensions) {
  TQRPage page(nullptr);
  page.SetOrientation(TPrinterOrientation::poLandscape);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 2970);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kLength), 2100);
  page.SetOrientation(TPrinterOrientation::poPortrait);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 2100);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kLength), 2970);
  // Rows wider than long are used as they stand in portrait.
  page.SetPaperSize(static_cast<TQRPaperSize>(4));  // Ledger
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kWidth), 4318);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kLength), 2794);
}

TEST_F(PageTest, MarginsReadAndWriteInThePageUnit) {
  TQRPage page(nullptr);
  page.SetValue(TQRPage::kTopMargin, 10);
  EXPECT_DOUBLE_EQ(page.Native(TQRPage::kTopMargin), 100);
  page.SetUnits(TQRUnit::Inches);
  EXPECT_NEAR(page.TopMargin(), 0.3937, 1e-4);
}

TEST_F(PageTest, ColumnsIgnoreValuesBelowOne) {
  TQRPage page(nullptr);
  page.SetColumns(3);
  page.SetColumns(0);
  page.SetColumns(-3);
  EXPECT_EQ(page.Columns(), 3);
}

TEST(PaperSizes, TableHoldsEveryFixedSize) {
  EXPECT_FALSE(PaperDimensions(TQRPaperSize::Default));
  EXPECT_FALSE(PaperDimensions(TQRPaperSize::Custom));
  EXPECT_DOUBLE_EQ(PaperDimensions(TQRPaperSize::Note)->lengthMm, 279.4);
  EXPECT_DOUBLE_EQ(PaperDimensions(static_cast<TQRPaperSize>(68))->widthMm, 445);
  EXPECT_EQ(PaperSizeName(static_cast<TQRPaperSize>(44)), "qr9X11");
  EXPECT_EQ(PaperSizeNamed("A3ExtraTrans"), static_cast<TQRPaperSize>(68));
}

}  // namespace
}  // namespace qr
