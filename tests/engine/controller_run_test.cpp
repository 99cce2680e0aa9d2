#include "engine/controller_run.h"

#include <gtest/gtest.h>

#include "engine/report_lifecycle.h"
#include "model/group.h"
#include "model/report_form.h"
#include "pages/qr_printer.h"
#include "platform/locale.h"
#include "support/temp_dir.h"
#include "test_query.h"

namespace qr {
namespace {

const ClassInfo& FormClass() {
  static const ClassInfo info = MakeFormClass("TTestForm");
  return info;
}

// A report over a query of (Id, G, H) rows with a detail and a summary band;
// tests add groups. Every printed band is logged as "Band:Id@page".
class ControllerRunTest : public testing::Test {
 protected:
  void SetUp() override {
    Locale::SetCurrent(Locale{});
    connection_ = data::SqlConnection::CreateSqlite(dir_.File("rows.db"));
    connection_->ExecuteStatement("CREATE TABLE T (Id INTEGER, G VARCHAR(5), H VARCHAR(5))");
    form_ = std::make_unique<TReportForm>(nullptr, FormClass());
    report_ = new TQRReport(form_.get());
    report_->SetName("R");
    detail_ = AddBand("D", TQRBandType::rbDetail);
    summary_ = AddBand("S", TQRBandType::rbSummary);
    runs_ = std::make_unique<ReportLifecycle>(*report_);
  }

  void Rows(const std::string& values) {
    connection_->ExecuteStatement("INSERT INTO T VALUES " + values);
  }

  TQRBand* AddBand(const std::string& name, TQRBandType type) {
    auto* band = new TQRBand(form_.get());
    band->SetName(name);
    band->SetBandType(type);
    band->SetParent(report_);
    Log(*band);
    return band;
  }

  TQRGroup* AddGroup(const std::string& name, const std::string& expression,
                     const std::string& footer = "") {
    auto* group = new TQRGroup(form_.get());
    group->SetName(name);
    group->Expression = expression;
    group->SetParent(report_);
    Log(*group);
    if (!footer.empty()) group->SetFooterBand(AddBand(footer, TQRBandType::rbGroupFooter));
    return group;
  }

  void Log(TQRCustomBand& band) {
    band.AfterPrint = [this](TQRCustomBand& b, bool printed) {
      if (!printed) return;
      data::Dataset& rows = query_->GetDataset();
      const std::string id = rows.Active() ? rows.FieldByName("Id").AsString() : "-";
      log_.push_back(b.Name() + ":" + id + "@" + std::to_string(report_->PageNumber));
    };
  }

  void Run() {
    query_ = new qrtest::TestQuery(form_.get(), *connection_, "SELECT Id, G, H FROM T ORDER BY Id");
    query_->Query().Open();
    report_->SetDataSet(query_);
    runs_->PreparePages();
  }

  qrtest::TempDir dir_;
  std::unique_ptr<data::SqlConnection> connection_;
  std::unique_ptr<TReportForm> form_;
  TQRReport* report_ = nullptr;
  TQRBand* detail_ = nullptr;
  TQRBand* summary_ = nullptr;
  qrtest::TestQuery* query_ = nullptr;
  std::unique_ptr<ReportLifecycle> runs_;
  std::vector<std::string> log_;
};

using Lines = std::vector<std::string>;

TEST_F(ControllerRunTest, AGroupFooterSeesTheLastRecordOfItsGroup) {
  Rows("(1, 'A', 'x'), (2, 'A', 'x'), (3, 'B', 'x')");
  AddGroup("G", "Query.G", "F");
  Run();
  EXPECT_EQ(log_, (Lines{"G:1@1", "D:1@1", "D:2@1", "F:2@1", "G:3@1", "D:3@1", "F:3@1", "S:3@1"}));
}

TEST_F(ControllerRunTest, AnOuterChangeEndsAndRestartsTheInnerGroup) {
  Rows("(1, 'A', 'x'), (2, 'A', 'y'), (3, 'B', 'y')");
  AddGroup("GO", "Query.G", "FO");
  AddGroup("GI", "Query.H", "FI");
  Run();
  EXPECT_EQ(log_, (Lines{"GO:1@1", "GI:1@1", "D:1@1", "FI:1@1", "GI:2@1", "D:2@1", "FI:2@1",
                         "FO:2@1", "GO:3@1", "GI:3@1", "D:3@1", "FI:3@1", "FO:3@1", "S:3@1"}));
}

TEST_F(ControllerRunTest, AnErrorValuedGroupPrintsItsHeaderOnce) {
  Rows("(1, 'A', 'x'), (2, 'B', 'x'), (3, 'C', 'x')");
  AddGroup("G", "1/0");
  Run();
  EXPECT_EQ(log_, (Lines{"G:1@1", "D:1@1", "D:2@1", "D:3@1", "S:3@1"}));
}

TEST_F(ControllerRunTest, AnEmptyDatasetPrintsOnceOnlyWhenAskedTo) {
  AddBand("T", TQRBandType::rbTitle);
  Run();
  EXPECT_EQ(log_, (Lines{"T:@1", "D:@1", "S:@1"}));
  log_.clear();
  report_->SetPrintIfEmpty(false);
  runs_->PreparePages();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(report_->PageNumber, 0);
}

TEST_F(ControllerRunTest, AGroupHeaderIsPrintedAgainOnANewPageOnly) {
  Rows("(1, 'A', 'x'), (2, 'A', 'x'), (3, 'A', 'x')");
  detail_->Size().SetHeight(100);  // 1000 native: two details fit on an A4 page
  AddGroup("G", "Query.G")->ReprintOnNewPage = true;
  Run();
  EXPECT_EQ(log_, (Lines{"G:1@1", "D:1@1", "D:2@1", "G:3@2", "D:3@2", "S:3@2"}));

  log_.clear();
  report_->Page().SetColumns(2);
  runs_->PreparePages();
  // The third detail moves to the second column of page 1: no reprint there.
  EXPECT_EQ(log_, (Lines{"G:1@1", "D:1@1", "D:2@1", "D:3@1", "S:3@1"}));
}

TEST_F(ControllerRunTest, TheFirstForcedPageAfterTheTitleIsSwallowed) {
  Rows("(1, 'A', 'x'), (2, 'B', 'x')");
  AddBand("T", TQRBandType::rbTitle);
  AddGroup("G", "Query.G")->ForceNewPage = true;
  Run();
  EXPECT_EQ(log_, (Lines{"T:1@1", "G:1@1", "D:1@1", "G:2@2", "D:2@2", "S:2@2"}));
}

TEST(GroupValues, CompareByKindThenValue) {
  using expr::TQREvValue;
  EXPECT_TRUE(GroupValueChanged(TQREvValue::Integer(1), TQREvValue::Float(1)));
  EXPECT_FALSE(GroupValueChanged(TQREvValue::Float(0.5), TQREvValue::Float(0.5)));
  EXPECT_TRUE(GroupValueChanged(TQREvValue::String("a"), TQREvValue::String("A")));
  EXPECT_FALSE(GroupValueChanged(TQREvValue::Error("x"), TQREvValue::Error("y")));
  EXPECT_TRUE(GroupValueChanged(TQREvValue::Boolean(true), TQREvValue::Boolean(false)));
}

}  // namespace
}  // namespace qr
