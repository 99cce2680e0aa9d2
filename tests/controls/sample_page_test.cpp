// A page of wrapped, aligned, framed and stretched texts, kept as reviewed
// golden dumps (QR_UPDATE_GOLDEN=1 rewrites them). With QR_SAMPLE_REPORT set
// to a file name the pages are also saved as a report file, for looking at
// them through `qrtool export FILE --png DIR`.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "controls/control_fixture.h"
#include "controls/shape.h"
#include "controls/text_controls.h"

namespace qrtest {
namespace {

using qr::TAlignment;
using qr::TQRLabel;

constexpr const char* kParagraph =
    "Los precios de esta lista incluyen impuestos y pueden cambiar sin previo aviso. "
    "Consulte existencias en mostrador antes de confirmar un pedido de mayoreo.";

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SamplePage : public ControlTest {
 protected:
  TQRLabel* Paragraph(int left, TAlignment alignment) {
    auto* label = Add<TQRLabel>(left, 8, 150, 40);
    label->AutoSize = false;
    label->SetAlignment(alignment);
    label->Frame.DrawTop = label->Frame.DrawBottom = true;
    label->Frame.DrawLeft = label->Frame.DrawRight = true;
    label->SetColor(qr::Color::FromRgb(0xF0, 0xF0, 0xE0));
    label->SetCaption(kParagraph);
    return label;
  }
  void ExpectGolden(int page) {
    const std::string dump = PageDump(printer_, page);
    const std::string golden =
        QR_GOLDEN_DIR "/controls_sample/page-" + std::to_string(page) + ".txt";
    if (std::getenv("QR_UPDATE_GOLDEN")) std::ofstream(golden, std::ios::binary) << dump;
    EXPECT_EQ(dump, ReadText(golden));
  }
};

TEST_F(SamplePage, WrappedAndStretchedTextsMatchTheGoldenPages) {
  std::vector<qr::TQRPrintable*> controls = {Paragraph(10, TAlignment::taLeftJustify),
                                             Paragraph(180, TAlignment::taCenter),
                                             Paragraph(350, TAlignment::taRightJustify)};
  auto* stretched = Add<TQRLabel>(530, 8, 180, 26);
  stretched->AutoSize = false;
  stretched->AutoStretch = true;
  stretched->SetColor(qr::Color::FromRgb(0xE0, 0xF0, 0xF0));
  stretched->Frame.DrawLeft = stretched->Frame.DrawBottom = true;
  stretched->SetCaption(std::string(kParagraph) + "\r\n" + kParagraph + "\r\n" + kParagraph);
  controls.push_back(stretched);
  auto* cut = Add<TQRLabel>(10, 60, 60, 13);
  cut->AutoSize = false;
  cut->SetCaption("Supercalifragilistico");
  controls.push_back(cut);
  for (int left : {170, 340, 520}) {
    auto* rule = Add<qr::TQRShape>(left - 5, 0, 10, 80);
    rule->Shape = qr::TQRShapeType::qrsVertLine;
    controls.push_back(rule);
  }
  auto* count = Add<qr::TQRExpr>(100, 60, 10, 13);
  count->SetExpression("'Total: ' + STR(3 * 4)");
  controls.push_back(count);

  // The band engine's loop: every control prints, then those not finished
  // print again on the next page until all are.
  stretcher_.room = 60;
  StartPage();
  for (qr::TQRPrintable* control : controls) control->BeginPrinting();
  bool allFinished = false;
  for (bool firstPass = true; !allFinished; firstPass = false) {
    if (!firstPass) {
      printer_.NewPage();
      band_->StretchHeight = 0;
      stretcher_.room = 2000;
    }
    allFinished = true;
    for (qr::TQRPrintable* control : controls) {
      if (firstPass || !control->PrintFinished) control->PrintAt(kBandOrigin, kBandOrigin);
      allFinished = allFinished && control->PrintFinished;
    }
  }
  printer_.EndJob();
  ASSERT_EQ(printer_.PageCount(), 2);
  ExpectGolden(1);
  ExpectGolden(2);
  if (const char* file = std::getenv("QR_SAMPLE_REPORT")) printer_.SaveToFile(file);
}

}  // namespace
}  // namespace qrtest
