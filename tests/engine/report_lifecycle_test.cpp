#include "engine/report_lifecycle.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "data/work_table.h"
#include "model/report_form.h"
#include "model/table_component.h"
#include "pages/qr_printer.h"
#include "plugin/report/price_list_definition.h"
#include "support/temp_dir.h"

namespace qr {
namespace {

// The price-list report over a work table of N articles.
class PriceListRuns : public testing::Test {
 protected:
  void SetUp() override {
    data::SetAliasTempDirectory(dir_.Path());
    data::CreatePriceListWorkTable(dir_.Path());
    root_ = rep::LoadPriceListDefinition();
    report_ = dynamic_cast<TQRReport*>(root_->FindComponent("Reporte"));
    table_ = &dynamic_cast<TTable*>(root_->FindComponent("TempM_t"))->Table();
    runs_ = std::make_unique<ReportLifecycle>(*report_);
  }

  void Articles(int count) {
    table_->Close();
    table_->EmptyTable();
    table_->Open();
    for (int code = 1; code <= count; ++code) {
      table_->Append();
      table_->FieldByName("Tienda").SetAsInteger(1);
      table_->FieldByName("Codigo").SetAsFloat(code);
      table_->FieldByName("CodNombre").SetAsFloat(code);
      table_->FieldByName("Descripcion").SetAsString("ARTICULO " + std::to_string(code));
      table_->Post();
    }
    table_->First();
  }

  qrtest::TempDir dir_;
  std::unique_ptr<Component> root_;
  TQRReport* report_ = nullptr;
  data::WorkTable* table_ = nullptr;
  std::unique_ptr<ReportLifecycle> runs_;
};

TEST_F(PriceListRuns, PreparedPagesGiveThePageTotal) {
  const std::pair<int, int> cases[] = {{1, 1}, {57, 1}, {58, 2}, {115, 2}, {116, 3}};
  for (const auto& [articles, pages] : cases) {
    SCOPED_TRACE(articles);
    Articles(articles);
    runs_->PreparePages();
    EXPECT_EQ(report_->PageNumber, pages);
    ASSERT_NE(report_->QRPrinter, nullptr);
    EXPECT_EQ(report_->QRPrinter->PageCount(), pages);
    EXPECT_EQ(report_->QRPrinter->State(), stComplete);
    EXPECT_TRUE(report_->Idle);
  }
}

TEST_F(PriceListRuns, BeforePrintCanSkipTheRun) {
  Articles(3);
  runs_->PreparePages();
  report_->BeforePrint = [](TQRCustomReport&, bool& print) { print = false; };
  runs_->PreparePages();
  EXPECT_EQ(report_->PageNumber, 1);  // from the run before
  EXPECT_EQ(report_->QRPrinter->State(), stIdle);
  EXPECT_EQ(report_->QRPrinter->PageCount(), 0);
}

TEST_F(PriceListRuns, MarginsWiderThanThePageAreReset) {
  Articles(1);
  report_->Page().SetValue(TQRPage::kLeftMargin, 150);  // 1500 + 1500 > 2159
  report_->Page().SetValue(TQRPage::kRightMargin, 150);
  runs_->PreparePages();
  EXPECT_EQ(report_->Page().Native(TQRPage::kLeftMargin), 0);
  EXPECT_EQ(report_->Page().Native(TQRPage::kRightMargin), 0);
  EXPECT_EQ(report_->Page().Native(TQRPage::kTopMargin), 100);
}

TEST_F(PriceListRuns, UnitsComeBackAfterAFailedRun) {
  Articles(2);
  report_->BandList[2]->BeforePrint = [](TQRCustomBand&, bool&) {
    throw std::runtime_error("band failed");
  };
  EXPECT_THROW(runs_->PreparePages(), std::runtime_error);
  EXPECT_EQ(report_->Units(), TQRUnit::MM);
  EXPECT_TRUE(report_->Idle);
  EXPECT_EQ(report_->QRPrinter->State(), stComplete);
}

// A preview window stand-in: shows nothing and closes when the test says so.
class PreviewDouble : public PreviewHost {
 public:
  std::function<void(const std::shared_ptr<TQRPrinter>&)> whileOpen;
  void ShowModal(const std::shared_ptr<TQRPrinter>& printer, const ReportLifecycle&) override {
    shown = printer;
    if (whileOpen) whileOpen(printer);
  }
  std::shared_ptr<TQRPrinter> shown;
};

// Holds the worker at the detail band until released.
class Gate {
 public:
  void Arrive() {
    std::unique_lock lock(mutex_);
    arrived_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_; });
  }
  void WaitForArrival() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return arrived_; });
  }
  void Open() {
    std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool arrived_ = false;
  bool open_ = false;
};

TEST_F(PriceListRuns, APreviewRunsTheReportAgainOnAWorker) {
  Articles(60);
  runs_->PreparePages();
  TQRPrinter* prepared = report_->QRPrinter;
  int afterPreview = 0;
  report_->AfterPreview = [&](Component&) { ++afterPreview; };
  PreviewDouble preview;
  preview.whileOpen = [&](const std::shared_ptr<TQRPrinter>& printer) {
    EXPECT_NE(printer.get(), prepared);
    while (printer->State() != stComplete) std::this_thread::yield();
    EXPECT_EQ(printer->PageCount(), 2);
  };
  runs_->PreviewReportModal(preview);
  EXPECT_EQ(afterPreview, 1);
  EXPECT_EQ(report_->QRPrinter, nullptr);
  EXPECT_EQ(preview.shown.use_count(), 1);  // only the window's reference is left
}

TEST_F(PriceListRuns, ClosingThePreviewCancelsARunningWorker) {
  Articles(120);
  Gate gate;
  int details = 0;
  bool summaryPrinted = false;
  report_->BandList[2]->BeforePrint = [&](TQRCustomBand&, bool&) {
    if (++details == 10) gate.Arrive();
  };
  report_->BandList[3]->AfterPrint = [&](TQRCustomBand&, bool) { summaryPrinted = true; };
  PreviewDouble preview;
  preview.whileOpen = [&](const std::shared_ptr<TQRPrinter>&) {
    gate.WaitForArrival();
    // A preparation asked for while the worker runs does nothing.
    TQRPrinter* running = report_->QRPrinter;
    runs_->PreparePages();
    EXPECT_EQ(report_->QRPrinter, running);
  };
  std::thread opener([&] {
    // The window closes (ShowModal returned); then the worker may go on.
    while (!report_->Cancelled) std::this_thread::yield();
    gate.Open();
  });
  runs_->PreviewReportModal(preview);
  opener.join();
  EXPECT_LE(details, 11);
  EXPECT_FALSE(summaryPrinted);
  EXPECT_EQ(report_->QRPrinter, nullptr);
  EXPECT_TRUE(report_->Idle);
}

}  // namespace
}  // namespace qr
