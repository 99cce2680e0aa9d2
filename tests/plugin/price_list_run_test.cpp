#include "plugin/price_list_run.h"

#include <gtest/gtest.h>

#include "data/data_error.h"
#include "engine/saving_preview.h"
#include "pages/qr_printer.h"
#include "plugin/report_form.h"
#include "plugin/screen_cursor.h"
#include "shop_fixture.h"
#include "support/page_text.h"

namespace rep {
namespace {

using Events = std::vector<std::string>;

// Sees the work table when it is ready, while the run still holds it.
class ReadyObserver : public RunObserver {
 public:
  void WorkTableReady(TFReporte& form) override {
    waitCursorWhileRunning = IsWaitCursorSet();
    qr::data::WorkTable& table = form.TempM_t();
    indexName = table.IndexName();
    for (table.First(); !table.Eof(); table.Next())
      order.push_back(table.FieldByName("Codigo").DisplayText());
  }
  bool waitCursorWhileRunning = false;
  std::string indexName;
  std::vector<std::string> order;
};

class PriceListRun : public reptest::ShopFixture {
 protected:
  void SetUp() override {
    ShopFixture::SetUp();
    AddArticle(30, "ZANAHORIA", 5, 2);
    AddArticle(10, "MANZANA", 7, 1);
    AddArticle(20, "ARROZ", 9, 2);
    AddPackage(30, "CAJA", 12);
    AddPackage(30, "PAQ", 6);
    AddPackage(10, "PZA", 1);
    AddPackage(20, "BOL", 10);
    AddPackage(20, "KG", 1);
  }

  std::string RunExpectingError(const FilterChoice& choice) {
    try {
      RunPriceList(*shop_, bar_, choice, preview_, &observer_);
    } catch (const std::exception& error) {
      return error.what();
    }
    return "no error";
  }

  reptest::RecordingProgressBar bar_;
  ReadyObserver observer_;
  qr::SavingPreview preview_;
};

TEST_F(PriceListRun, FoldsEveryRowWhileTheBarFollowsThem) {
  RunPriceList(*shop_, bar_, {1, 1, "1", "100"}, preview_, &observer_);
  EXPECT_EQ(bar_.events, (Events{"visible", "max 5", "pos 1", "pos 1", "pos 2", "pos 3", "pos 4",
                                 "pos 5", "hidden", "pos 0"}));
  EXPECT_TRUE(observer_.waitCursorWhileRunning);
  EXPECT_FALSE(IsWaitCursorSet());
  EXPECT_EQ(observer_.indexName, "Indice");
  // Kinds 1 and 2 put the article code into CodNombre, so code order rules.
  EXPECT_EQ(observer_.order, (Events{"10", "20", "30"}));
  EXPECT_EQ(WorkTableRows({"CompraCan", "VentasCan"}),
            (Events{"10|CompraCan=|VentasCan=", "20|CompraCan=10|VentasCan=",
                    "30|CompraCan=12|VentasCan=6"}));
}

TEST_F(PriceListRun, GroupSelectionsOrderByGroupThenTheChosenField) {
  RunPriceList(*shop_, bar_, {4, 2, "1", "2"}, preview_, &observer_);
  EXPECT_EQ(observer_.order,
            (Events{"10", "20", "30"}));  // group 1: MANZANA; group 2: ARROZ, ZANAHORIA
  RunPriceList(*shop_, bar_, {4, 1, "2", "2"}, preview_, &observer_);
  EXPECT_EQ(WorkTableRows({"CodNombre", "Nombre"}, "Indice"),
            (Events{"20|CodNombre=2|Nombre=BEBIDAS", "30|CodNombre=2|Nombre=BEBIDAS"}));
}

TEST_F(PriceListRun, ASecondRunRebuildsTheSortIndex) {
  RunPriceList(*shop_, bar_, {1, 1, "1", "100"}, preview_);
  RunPriceList(*shop_, bar_, {4, 2, "1", "2"}, preview_);
  qr::data::WorkTable table(alias_, qr::data::kWorkTableName);
  table.RefreshIndexDefs();
  ASSERT_EQ(table.IndexDefPosition("Indice"), 1);
  EXPECT_EQ(table.IndexDefs()[1].fields, "Tienda;CodNombre;Descripcion");
  EXPECT_EQ(table.IndexDefs().size(), 2u);
}

TEST_F(PriceListRun, ARejectedStatementReachesTheCallerAfterCleanUp) {
  RunPriceList(*shop_, bar_, {1, 1, "1", "100"}, preview_);
  bar_.events.clear();
  const std::string error = RunExpectingError({1, 1, "", "250"});
  EXPECT_NE(error.find("syntax error"), std::string::npos) << error;
  EXPECT_EQ(bar_.events, (Events{"visible", "hidden", "pos 0"}));
  EXPECT_FALSE(IsWaitCursorSet());
  // The table was emptied before the statement ran and is free again.
  EXPECT_TRUE(WorkTableRows({}).empty());
}

TEST_F(PriceListRun, AnEmptyResultStillBuildsTheIndex) {
  RunPriceList(*shop_, bar_, {1, 1, "500", "100"}, preview_, &observer_);
  EXPECT_EQ(bar_.events, (Events{"visible", "max 0", "pos 1", "hidden", "pos 0"}));
  EXPECT_EQ(observer_.indexName, "Indice");
  EXPECT_TRUE(observer_.order.empty());
}

TEST_F(PriceListRun, ATableHeldElsewhereFailsTheRun) {
  qr::data::WorkTable holder(alias_, qr::data::kWorkTableName);
  holder.SetExclusive(true);
  holder.Open();
  EXPECT_NE(RunExpectingError({1, 1, "1", "100"}).find("in use by another session"),
            std::string::npos);
  EXPECT_EQ(bar_.events, (Events{"visible", "hidden", "pos 0"}));
}

// Keeps the text lines of every page of both report passes.
class PageTexts : public RunObserver, public qr::PreviewHost {
 public:
  void PagesPrepared(TFReporte& form) override { prepared = Texts(*form.Reporte().QRPrinter); }
  void ShowModal(const std::shared_ptr<qr::TQRPrinter>& printer,
                 const qr::ReportLifecycle& runs) override {
    while (runs.Generating()) std::this_thread::yield();
    previewed = Texts(*printer);
  }
  static std::vector<std::string> Texts(qr::TQRPrinter& printer) {
    std::vector<std::string> texts;
    for (int page = 1; page <= printer.PageCount(); ++page)
      for (const std::string& line : qrtest::DumpLines(qrtest::PageDump(printer, page), "text"))
        texts.push_back(line.substr(line.find('"')));
    return texts;
  }
  std::vector<std::string> prepared, previewed;
};

// The quoted text that follows `text` in a page's texts.
std::string After(const std::vector<std::string>& texts, const std::string& text) {
  for (size_t i = 0; i + 1 < texts.size(); ++i)
    if (texts[i] == text) return texts[i + 1];
  return "(not found)";
}

TEST_F(PriceListRun, TheSummaryCountsTheDetailsInBothPasses) {
  PageTexts pages;
  RunPriceList(*shop_, bar_, {1, 1, "1", "100"}, pages, &pages);
  EXPECT_EQ(After(pages.prepared, "\"TOTAL\""), "\"3\"");
  EXPECT_EQ(After(pages.previewed, "\"TOTAL\""), "\"3\"");
  // The header of the preview pass shows the page total of the preparation.
  EXPECT_EQ(After(pages.previewed, "\"/\""), "\"1\"");
}

TEST_F(PriceListRun, GroupSelectionsPrintAGroupLineBeforeEachNewGroup) {
  PageTexts byGroup;
  RunPriceList(*shop_, bar_, {4, 1, "1", "2"}, byGroup, &byGroup);
  // Group 1 (ABARROTES) holds article 10, group 2 (BEBIDAS) articles 20 and 30.
  const auto& texts = byGroup.previewed;
  const auto at = [&](const std::string& text) {
    return static_cast<size_t>(std::find(texts.begin(), texts.end(), text) - texts.begin());
  };
  ASSERT_LT(at("\"BEBIDAS\""), texts.size());
  // A group line is the group's number and name.
  EXPECT_EQ(texts[at("\"ABARROTES\"") - 1], "\"1\"");
  EXPECT_EQ(texts[at("\"BEBIDAS\"") - 1], "\"2\"");
  EXPECT_LT(at("\"ABARROTES\""), at("\"10\""));
  EXPECT_LT(at("\"10\""), at("\"BEBIDAS\""));
  EXPECT_LT(at("\"BEBIDAS\""), at("\"20\""));

  PageTexts byCode;
  RunPriceList(*shop_, bar_, {1, 1, "1", "100"}, byCode, &byCode);
  EXPECT_EQ(std::count(byCode.previewed.begin(), byCode.previewed.end(), "\"ARROZ\""), 1);
  EXPECT_EQ(std::count(byCode.previewed.begin(), byCode.previewed.end(), "\"ABARROTES\""), 0);
}

}  // namespace
}  // namespace rep
