// The price list's stored definition, checked against its layout tables.
#include "plugin/report/price_list_definition.h"

#include <gtest/gtest.h>

#include <cmath>

#include "controls/shape.h"
#include "controls/text_controls.h"
#include "expr/environment.h"
#include "model/definition_reader.h"
#include "model/definition_writer.h"
#include "model/group.h"
#include "model/report.h"
#include "model/table_component.h"
#include "model/tree_dump.h"

namespace rep {
namespace {

using namespace qr;

// The layout tables give lengths in millimetres rounded to two places.
constexpr double kTableRounding = 0.05;

class PriceListDefinition : public testing::Test {
 protected:
  void SetUp() override {
    root_ = LoadPriceListDefinition();
    report_ = dynamic_cast<TQRReport*>(root_->FindComponent("Reporte"));
    ASSERT_NE(report_, nullptr);
  }
  template <typename T>
  T* Find(const char* name) {
    auto* found = dynamic_cast<T*>(root_->FindComponent(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  std::unique_ptr<Component> root_;
  TQRReport* report_ = nullptr;
};

TEST_F(PriceListDefinition, ReportIsALetterPageWithTenMillimetreMargins) {
  TQRPage& page = report_->Page();
  EXPECT_EQ(page.PaperSize(), TQRPaperSize::Letter);
  EXPECT_EQ(page.Orientation(), TPrinterOrientation::poPortrait);
  EXPECT_EQ(page.Columns(), 1);
  EXPECT_EQ(page.Values(), (std::vector<double>{100, 2794, 100, 2159, 100, 100, 0}));
  EXPECT_EQ(report_->Units(), TQRUnit::MM);
  EXPECT_EQ(report_->Options, FirstPageHeader | LastPageFooter);
  EXPECT_FALSE(report_->PrintIfEmpty());
  EXPECT_TRUE(report_->ShowProgress);
  EXPECT_EQ(report_->Font().name, "Arial");
  EXPECT_EQ(report_->Font().height, -13);
  EXPECT_EQ(report_->DataSet(), root_->FindComponent("TempM_t"));
  EXPECT_EQ(report_->PrinterSettings.OutputBin, TQRBin::First);
  EXPECT_EQ(report_->PrinterSettings.PrintQuality, 0);
  EXPECT_EQ(report_->PreviewInitialState, TWindowState::wsMaximized);
  EXPECT_EQ(report_->PrevInitialZoom, TQRZoomState::qrZoomToWidth);
  EXPECT_FALSE(report_->PrevShowThumbs);
  EXPECT_FALSE(report_->PrevShowSearch);
  TQREvEnvironment& functions = report_->Functions();
  ASSERT_EQ(functions.Count(), 3u);
  EXPECT_EQ(functions.NameAt(2), "REPORTTITLE");
  EXPECT_EQ(functions.EntryAt(2).Expression(), "''");
  auto* table = Find<TTable>("TempM_t");
  EXPECT_EQ(table->DatabaseName, "Temp");
  EXPECT_EQ(table->TableName, "TempM_t.DB");
}

TEST_F(PriceListDefinition, BandsInPrintOrderWithTheirHeightsAndFrames) {
  struct Expected {
    const char* name;
    TQRBandType type;
    double height;
    bool top, bottom, left, right;
  };
  const Expected bands[] = {
      {"QRBColumnas", TQRBandType::rbPageHeader, 100.5, true, true, true, true},
      {"qrgGrupo", TQRBandType::rbGroupHeader, 55.6, true, true, true, true},
      {"QRBand1", TQRBandType::rbDetail, 42.3, false, false, true, true},
      {"QRBand2", TQRBandType::rbSummary, 52.9, true, false, false, false},
      {"QRBFooterPage", TQRBandType::rbPageFooter, 29.1, false, false, false, false},
  };
  ASSERT_EQ(report_->BandList.size(), std::size(bands));
  for (size_t i = 0; i < std::size(bands); ++i) {
    SCOPED_TRACE(bands[i].name);
    TQRCustomBand* band = report_->BandList[i];
    EXPECT_EQ(band->Name(), bands[i].name);
    EXPECT_EQ(band->BandType(), bands[i].type);
    EXPECT_NEAR(band->Size().NativeHeight(), bands[i].height, kTableRounding);
    EXPECT_NEAR(band->Size().NativeWidth(), 1957.9167, 1e-4);
    EXPECT_EQ(band->Width(), 740);
    EXPECT_EQ(band->Frame.DrawTop, bands[i].top);
    EXPECT_EQ(band->Frame.DrawBottom, bands[i].bottom);
    EXPECT_EQ(band->Frame.DrawLeft, bands[i].left);
    EXPECT_EQ(band->Frame.DrawRight, bands[i].right);
  }
  // The band engine's page arithmetic depends on the exact heights: whole
  // screen pixels of 254 / 96 native units.
  const double exactHeights[] = {100.5417, 55.5625, 42.3333, 52.9167, 29.1042};
  for (size_t i = 0; i < std::size(exactHeights); ++i)
    EXPECT_NEAR(report_->BandList[i]->Size().NativeHeight(), exactHeights[i], 1e-4);
  auto* group = Find<TQRGroup>("qrgGrupo");
  EXPECT_FALSE(group->Enabled);
  EXPECT_TRUE(group->Expression.empty());
  EXPECT_EQ(group->Master(), report_);
  EXPECT_FALSE(group->ReprintOnNewPage);
}

struct ExpectedControl {
  const char* name;
  const char* content;              // caption, field, system data kind or expression
  double left, top, width, height;  // millimetres
  TAlignment alignment;
  bool autoSize;
};

constexpr TAlignment kL = TAlignment::taLeftJustify;
constexpr TAlignment kR = TAlignment::taRightJustify;
constexpr TAlignment kC = TAlignment::taCenter;

TEST_F(PriceListDefinition, TextControlsMatchTheLayout) {
  const ExpectedControl controls[] = {
      {"QRLabel12", "Pág.", 0.53, 1.32, 5.56, 3.97, kL, true},
      {"QRSysData9", "qrsPageNumber", 8.73, 1.32, 12.17, 3.97, kR, false},
      {"QRLabel10", "/", 21.96, 1.32, 1.06, 3.97, kL, true},
      {"qrTotalHojas", "Pág.", 24.08, 1.32, 12.17, 3.97, kL, false},
      {"QRSysData8", "qrsDate", 148.96, 1.32, 18.79, 3.97, kC, false},
      {"QRSysData6", "qrsTime", 171.45, 1.32, 23.02, 3.97, kC, false},
      {"QRLabel15", "CODIGO", 5.03, 5.03, 11.38, 3.97, kL, true},
      {"QRLabel6", "DESCRIPCION", 54.50, 5.03, 19.31, 3.97, kL, true},
      {"QRLabel4", "PRES1 MEN", 102.92, 5.03, 16.14, 3.97, kL, true},
      {"QRLabel7", "PRES1 MAY", 122.24, 5.03, 16.40, 3.97, kL, true},
      {"QRLabel5", "PRES2 MEN", 142.88, 5.03, 16.14, 3.97, kL, true},
      {"QRLabel9", "PRES2 MAY", 164.31, 5.03, 16.40, 3.97, kL, true},
      {"QRLabel1", "PZA", 185.47, 5.03, 6.09, 3.97, kL, true},
      {"QRDBCodigo", "CodNombre", 61.12, 0.79, 11.91, 3.97, kR, false},
      {"QRDBText1", "Nombre", 75.14, 0.79, 92.08, 3.97, kL, false},
      {"qrdbCod", "Codigo", 0, 0, 25.66, 3.97, kR, false},
      {"QRBDesc", "Descripcion", 27.78, 0, 70.38, 3.97, kL, false},
      {"QRDBText2", "CompraCan", 100.01, 0, 6.61, 3.97, kR, false},
      {"QRDBText9", "CompraCos", 107.16, 0, 11.91, 3.97, kR, false},
      {"QRDBText4", "TransCan", 119.86, 0, 6.61, 3.97, kR, false},
      {"QRDBText11", "TransCos", 127.00, 0, 11.91, 3.97, kR, false},
      {"QRDBText5", "VentasCan", 139.96, 0, 6.61, 3.97, kR, false},
      {"QRDBText3", "VentasCos", 147.64, 0, 11.91, 3.97, kR, false},
      {"QRDBText6", "PedCan", 161.13, 0, 6.61, 3.97, kR, false},
      {"QRDBText7", "PedCos", 168.80, 0, 11.91, 3.97, kR, false},
      {"QRDBText8", "AjustesCos", 183.36, 0, 11.91, 3.97, kR, false},
      {"QRLabel11", "TOTAL", 10.05, 0.53, 10.58, 3.97, kL, true},
      {"QRExpr1", "COUNT", 26.46, 0.53, 10.58, 3.97, kL, true},
  };
  for (const ExpectedControl& c : controls) {
    SCOPED_TRACE(c.name);
    auto* label = Find<TQRCustomLabel>(c.name);
    ASSERT_NE(label, nullptr);
    const TQRPrintableSize& size = label->Size();
    EXPECT_NEAR(size.NativeLeft(), c.left * 10, kTableRounding);
    EXPECT_NEAR(size.NativeTop(), c.top * 10, kTableRounding);
    EXPECT_NEAR(size.NativeWidth(), c.width * 10, kTableRounding);
    EXPECT_NEAR(size.NativeHeight(), c.height * 10, kTableRounding);
    EXPECT_EQ(label->Alignment(), c.alignment);
    EXPECT_EQ(label->AutoSize, c.autoSize);
    EXPECT_FALSE(label->AutoStretch);
    EXPECT_FALSE(label->Transparent());
    EXPECT_FALSE(label->Frame.AnyFrame());
    EXPECT_EQ(label->Font().name, "Times New Roman");
    EXPECT_EQ(label->Font().Size(), 8);
    EXPECT_EQ(label->Font().height, -11);
    EXPECT_EQ(label->WordWrap, std::string(c.name) != "QRBDesc");
    if (auto* field = dynamic_cast<TQRDBText*>(label)) {
      EXPECT_EQ(field->DataField(), c.content);
      EXPECT_EQ(field->DataSet(), root_->FindComponent("TempM_t"));
    } else if (auto* expression = dynamic_cast<TQRExpr*>(label)) {
      EXPECT_EQ(expression->Expression(), c.content);
      EXPECT_FALSE(expression->ResetAfterPrint);
    } else if (dynamic_cast<TQRSysData*>(label) == nullptr) {
      EXPECT_EQ(label->Caption(), c.content);
    }
  }
  auto* store = Find<TQRLabel>("qrlbNombre");
  EXPECT_EQ(store->Caption(), "Tienda");
  EXPECT_TRUE(store->AlignToBand());
  EXPECT_EQ(store->Alignment(), kC);
  EXPECT_EQ(store->Left(), (740 - store->Width()) / 2);
  EXPECT_EQ(Find<TQRSysData>("QRSysData9")->Data(), TQRSysDataType::qrsPageNumber);
  EXPECT_EQ(Find<TQRSysData>("QRSysData6")->Data(), TQRSysDataType::qrsTime);
}

TEST_F(PriceListDefinition, VerticalRulesStartAboveTheDetailBand) {
  for (const char* name :
       {"qrsPrec", "QRShape1", "QRShape5", "qrsnomGpo3", "QRShape6", "QRShape2"}) {
    SCOPED_TRACE(name);
    auto* shape = Find<TQRShape>(name);
    EXPECT_EQ(shape->Shape, TQRShapeType::qrsVertLine);
    EXPECT_NEAR(shape->Size().NativeTop(), -2.6, kTableRounding);
    EXPECT_NEAR(shape->Size().NativeHeight(), 52.9, kTableRounding);
    EXPECT_EQ(shape->Pen, ShapePen{});
    EXPECT_EQ(shape->Parent(), root_->FindComponent("QRBand1"));
  }
  EXPECT_NEAR(Find<TQRShape>("QRShape5")->Size().NativeWidth(), 42.3, kTableRounding);
}

TEST_F(PriceListDefinition, SurvivesAWriteAndReadRoundTrip) {
  const std::string written = WriteDefinition(*root_);
  const auto again = ReadDefinition(written, PriceListClasses());
  EXPECT_EQ(DumpComponentTree(*again), DumpComponentTree(*root_));
  EXPECT_EQ(WriteDefinition(*again), written);
}

}  // namespace
}  // namespace rep
