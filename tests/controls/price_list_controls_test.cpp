// The price list's own controls, loaded from its definition and printed
// where its page header would stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "controls/shape.h"
#include "controls/text_controls.h"
#include "expr/expr_test_support.h"
#include "model/report.h"
#include "pages/qr_printer.h"
#include "platform/text_measurer.h"
#include "plugin/report/price_list_definition.h"
#include "support/page_text.h"

namespace qrtest {
namespace {

using namespace qr;

class PriceListControls : public testing::Test {
 protected:
  void SetUp() override {
    root_ = rep::LoadPriceListDefinition();
    report_ = dynamic_cast<TQRReport*>(root_->FindComponent("Reporte"));
    ASSERT_NE(report_, nullptr);
    report_->QRPrinter = &printer_;
    printer_.StartJob();
    printer_.NewPage();
  }
  template <typename T>
  T* Find(const char* name) {
    return dynamic_cast<T*>(root_->FindComponent(name));
  }

  PinnedLocale locale_{PinnedLocale::Dot()};
  TQRPrinter printer_;
  std::unique_ptr<Component> root_;
  TQRReport* report_ = nullptr;
};

TEST_F(PriceListControls, AutoSizeCaptionsTakeTheirTextWidthPlusOnePixel) {
  struct Case {
    const char* name;
    const char* caption;
  };
  const Case cases[] = {{"QRLabel15", "CODIGO"}, {"QRLabel6", "DESCRIPCION"}, {"QRLabel1", "PZA"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* label = Find<TQRLabel>(c.name);
    const int left = label->Left();
    label->BeginPrinting();
    const CanvasFont font = label->Font().ToCanvasFont(96);
    EXPECT_EQ(label->Width(), RoundHalfEven(TextMeasurer::Width(font, c.caption)) + 1);
    EXPECT_EQ(label->Left(), left);  // left-aligned: grows to the right
    EXPECT_EQ(label->Height(), 15);  // the stored 3.97 mm is above one line (13)
  }
  EXPECT_EQ(Find<TQRLabel>("QRLabel15")->Width(), 44);
}

// The page header's controls as the band engine would print them at the top
// margin; kept as a reviewed golden dump (QR_UPDATE_GOLDEN=1 rewrites it).
TEST_F(PriceListControls, PageHeaderControlsMatchTheGoldenPage) {
  report_->PageNumber = 1;
  auto* header = dynamic_cast<Control*>(root_->FindComponent("QRBColumnas"));
  ASSERT_NE(header, nullptr);
  for (Control* child : header->Controls()) {
    auto* control = dynamic_cast<TQRPrintable*>(child);
    if (auto* data = dynamic_cast<TQRSysData*>(control))
      data->Clock = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)); };
    control->BeginPrinting();
    control->PrintAt(100, 100);
  }
  printer_.EndJob();
  const std::string dump = PageDump(printer_, 1);
  const std::string golden = QR_GOLDEN_DIR "/controls_price_list_header/page-1.txt";
  if (std::getenv("QR_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << dump;
  std::ifstream in(golden, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(dump, expected.str());
  const std::vector<std::string> texts = DumpLines(dump, "text");
  // The page number ends at the control's right edge: 10 + 8.73 + 12.17 mm
  // from the paper's left is 116.8 pixels; its top 11.32 mm is 42.8 pixels.
  EXPECT_NE(std::find(texts.begin(), texts.end(), R"(text x=117 y=43 align=right "1")"),
            texts.end());
}

}  // namespace
}  // namespace qrtest
