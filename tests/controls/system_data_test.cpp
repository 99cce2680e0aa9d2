// System data: page number, title, record counts, date and time.
#include <gtest/gtest.h>

#include "controls/control_fixture.h"
#include "controls/text_controls.h"

namespace qrtest {
namespace {

using qr::TQRSysData;
using qr::TQRSysDataType;

class SystemData : public ControlTest {
 protected:
  TQRSysData* Data(TQRSysDataType data, const std::string& text = "") {
    auto* control = Add<TQRSysData>(10, 4, 100, 13);
    control->SetData(data);
    control->SetText(text);
    control->Clock = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)); };
    return control;
  }
  std::string Printed(TQRSysData& control) {
    const std::vector<std::string> texts = PrintOnce(control);
    return texts.empty() ? "" : texts.front();
  }
};

TEST_F(SystemData, PrintsTheTextThenTheValue) {
  struct Case {
    const char* name;
    TQRSysDataType data;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"page-alone", TQRSysDataType::qrsPageNumber, "", "7"},
      {"page-with-prefix", TQRSysDataType::qrsPageNumber, "Pág. ", "Pág. 7"},
      {"title", TQRSysDataType::qrsReportTitle, "", "Lista de precios"},
      {"time", TQRSysDataType::qrsTime, "", "09:05"},
      {"date", TQRSysDataType::qrsDate, "Fecha: ", "Fecha: 11/12/2026"},
      {"date-time", TQRSysDataType::qrsDateTime, "", "11/12/2026 09:05:07"},
      {"detail-no", TQRSysDataType::qrsDetailNo, "", "42"},
      {"detail-count-without-dataset", TQRSysDataType::qrsDetailCount, "", "1"},
  };
  report_->PageNumber = 7;
  report_->ReportTitle = "Lista de precios";
  report_->Controller().DetailNumber = 42;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TQRSysData* control = Data(c.data, c.text);
    EXPECT_EQ(Printed(*control), std::string("text x=106 y=100 align=left \"") + c.expected + "\"");
    EXPECT_EQ(control->Caption(), std::string(c.expected));  // kept after the print
  }
}

TEST_F(SystemData, DateTimeAtMidnightShowsTheDateAlone) {
  TQRSysData* control = Data(TQRSysDataType::qrsDateTime);
  control->Clock = [] { return QDateTime(QDate(2026, 12, 11), QTime(0, 0)); };
  EXPECT_EQ(Printed(*control), R"(text x=106 y=100 align=left "11/12/2026")");
}

TEST_F(SystemData, DetailCountIsTheRecordsOfTheReportDataset) {
  MemoryDataset rows("Filas", {{"n", qr::data::FieldKind::Integer}});
  for (int i = 0; i < 5; ++i) rows.AddRow({MemoryDataset::Int(i)});
  rows.Open();
  auto* component = new MemoryDataSetComponent(form_.get(), rows);
  report_->SetDataSet(component);
  EXPECT_EQ(Printed(*Data(TQRSysDataType::qrsDetailCount)), R"(text x=106 y=100 align=left "5")");
}

TEST_F(SystemData, DesignCaptionNamesTheKind) {
  TQRSysData* control = Data(TQRSysDataType::qrsPageNumber, "Pág. ");
  EXPECT_EQ(control->Caption(), "Pág. (Page#)");
  control->SetData(TQRSysDataType::qrsDetailCount);
  EXPECT_EQ(control->Caption(), "Pág. (Detail count)");
}

}  // namespace
}  // namespace qrtest
