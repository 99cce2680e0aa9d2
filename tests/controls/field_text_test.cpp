// The field text: a dataset field's value of the current record.
#include <gtest/gtest.h>

#include "controls/control_fixture.h"
#include "controls/text_controls.h"

namespace qrtest {
namespace {

using qr::TQRDBText;
using qr::data::FieldKind;
using Lines = std::vector<std::string>;
using Cell = MemoryDataset::Cell;

// Articles with a column of each kind the field text treats differently.
std::unique_ptr<MemoryDataset> Articles() {
  return std::make_unique<MemoryDataset>(
      "Articulos", std::vector<std::pair<std::string, FieldKind>>{{"Codigo", FieldKind::String},
                                                                  {"Precio", FieldKind::Float},
                                                                  {"Piezas", FieldKind::Integer},
                                                                  {"Alta", FieldKind::Date},
                                                                  {"Activo", FieldKind::Boolean},
                                                                  {"Notas", FieldKind::Memo}});
}

class FieldText : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    component_ = new MemoryDataSetComponent(form_.get(), articles_);
  }

  TQRDBText* Field(const std::string& name, const std::string& mask = "",
                   qr::TDataSetComponent* dataSet = nullptr) {
    auto* text = Add<TQRDBText>(10, 4, 100, 13);
    text->AutoSize = false;
    text->SetDataSet(dataSet ? dataSet : component_);
    text->SetDataField(name);
    text->Mask = mask;
    return text;
  }

  // The text a field control prints for a record holding `cell` in `field`.
  std::string Printed(const std::string& field, Cell cell, const std::string& mask = "") {
    MemoryDataset& dataset = *datasets_.emplace_back(Articles());
    std::vector<Cell> row(6);
    row[dataset.FindField(field)->Index()] = std::move(cell);
    dataset.AddRow(row);
    dataset.Open();
    TQRDBText* text = Field(field, mask, new MemoryDataSetComponent(form_.get(), dataset));
    text->BeginPrinting();
    std::string printed;
    text->GetPrintText(printed);
    text->EndPrinting();
    return printed;
  }

  // The form's dataset components refer to these; they never read them while destroyed.
  std::vector<std::unique_ptr<MemoryDataset>> datasets_;
  MemoryDataset& articles_ = *datasets_.emplace_back(Articles());
  MemoryDataSetComponent* component_ = nullptr;
};

TEST_F(FieldText, ShowsTheDisplayTextOrTheMaskByFieldKind) {
  struct Case {
    const char* name;
    const char* field;
    Cell cell;
    const char* mask;
    const char* expected;
  };
  const Case cases[] = {
      {"float", "Precio", MemoryDataset::Real(12.5), "", "12.5"},
      {"float-whole", "Precio", MemoryDataset::Real(3), "", "3"},
      {"float-tenth", "Precio", MemoryDataset::Real(0.1), "", "0.1"},
      {"float-empty", "Precio", MemoryDataset::Null(), "", ""},
      {"float-mask", "Precio", MemoryDataset::Real(12.5), "0.00", "12.50"},
      {"float-mask-grouped", "Precio", MemoryDataset::Real(1234.5), "#,##0.00", "1,234.50"},
      {"integer", "Piezas", MemoryDataset::Int(12), "", "12"},
      {"integer-mask", "Piezas", MemoryDataset::Int(12), "000", "012"},
      {"string-ignores-mask", "Codigo", MemoryDataset::Text("A-12"), "0.00", "A-12"},
      {"date", "Alta", MemoryDataset::Text("2026-03-07"), "", "07/03/2026"},
      {"date-mask", "Alta", MemoryDataset::Text("2026-03-07"), "yyyy-mm-dd", "2026-03-07"},
      {"boolean-mask-shows-display-text", "Activo", MemoryDataset::Int(1), "0.00", "True"},
      {"unreadable-float", "Precio", MemoryDataset::Text("abc"), "0.00", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Printed(c.field, c.cell, c.mask), c.expected);
  }
}

TEST_F(FieldText, UsesTheLocaleDecimalSeparator) {
  PinnedLocale comma(PinnedLocale::Comma());
  EXPECT_EQ(Printed("Precio", MemoryDataset::Real(12.5)), "12,5");
  EXPECT_EQ(Printed("Precio", MemoryDataset::Real(12.5), "0.00"), "12,50");
}

TEST_F(FieldText, PrintsTheCurrentRecordRightAligned) {
  articles_.AddRow({MemoryDataset::Text("A1"), MemoryDataset::Real(12.5), {}, {}, {}, {}});
  articles_.AddRow({MemoryDataset::Text("A2"), MemoryDataset::Real(3), {}, {}, {}, {}});
  articles_.Open();
  TQRDBText* price = Field("PRECIO");  // field names match without case
  price->SetAlignment(qr::TAlignment::taRightJustify);
  StartPage();
  price->BeginPrinting();
  price->PrintAt(kBandOrigin, kBandOrigin);
  articles_.Next();
  price->PrintAt(kBandOrigin, kBandOrigin + 40);
  EXPECT_EQ(DumpLines(Finish(), "text"), (Lines{R"(text x=206 y=100 align=right "12.5")",
                                                R"(text x=206 y=115 align=right "3")"}));
}

TEST_F(FieldText, MissingFieldsAndDatasetsPrintNothing) {
  articles_.AddRow({MemoryDataset::Text("A1"), {}, {}, {}, {}, {}});
  articles_.Open();
  TQRDBText* missing = Field("NoSuchField");
  TQRDBText* unbound = Field("Codigo");
  unbound->SetDataSet(nullptr);
  StartPage();
  for (TQRDBText* text : {missing, unbound}) {
    text->BeginPrinting();
    text->PrintAt(kBandOrigin, kBandOrigin);
  }
  EXPECT_EQ(DumpLines(Finish(), "text"), Lines{});
}

TEST_F(FieldText, DestroyedDatasetIsForgotten) {
  TQRDBText* text = Field("Codigo");
  delete component_;
  EXPECT_EQ(text->DataSet(), nullptr);
}

TEST_F(FieldText, MemoFieldsPrintTheirLines) {
  articles_.AddRow({{}, {}, {}, {}, {}, MemoryDataset::Text("first\r\nsecond\nthird")});
  articles_.Open();
  TQRDBText* notes = Field("Notas");
  notes->SetHeight(40);
  notes->BeginPrinting();
  EXPECT_FALSE(notes->UsesPrintText());
  EXPECT_EQ(notes->PrintText(), "");
  std::string text;
  notes->GetPrintText(text);
  EXPECT_EQ(text, "first\r\nsecond\r\nthird");
  EXPECT_EQ(notes->SourceLines, (Lines{"first", "second", "third"}));
  notes->EndPrinting();
  EXPECT_TRUE(notes->UsesPrintText());
}

TEST_F(FieldText, ContentHeightIsLinesTimesTheLineHeight) {
  articles_.AddRow({MemoryDataset::Text("xx xx xx"), {}, {}, {}, {}, {}});
  articles_.Open();
  TQRDBText* code = Field("Codigo");
  code->SetWidth(code->TextWidth("xx "));
  code->BeginPrinting();
  double height = 0;
  code->GetContentHeight(height);
  EXPECT_EQ(height, 3 * 13);
}

TEST_F(FieldText, EndPrintingShowsTheFieldNameAgain) {
  articles_.AddRow({MemoryDataset::Text("A1"), {}, {}, {}, {}, {}});
  articles_.Open();
  TQRDBText* code = Field("Codigo");
  StartPage();
  code->BeginPrinting();
  code->PrintAt(kBandOrigin, kBandOrigin);
  code->EndPrinting();
  EXPECT_EQ(code->Caption(), "Codigo");
  EXPECT_FALSE(code->IsPrinting);
  code->SetName("qrdbCodigo");
  code->SetDataField("");
  code->EndPrinting();
  EXPECT_EQ(code->Caption(), "qrdbCodigo");
}

TEST_F(FieldText, RightToLeftMirrorsOnlyTextLikeFields) {
  articles_.AddRow({MemoryDataset::Text("A1"), MemoryDataset::Real(1), {}, {}, {}, {}});
  articles_.Open();
  TQRDBText* code = Field("Codigo");
  TQRDBText* price = Field("Precio");
  for (TQRDBText* text : {code, price}) {
    text->BiDiMode = qr::TBiDiMode::bdRightToLeft;
    text->BeginPrinting();
  }
  EXPECT_EQ(code->EffectiveAlignment(), qr::TAlignment::taRightJustify);
  EXPECT_EQ(price->EffectiveAlignment(), qr::TAlignment::taLeftJustify);
}

}  // namespace
}  // namespace qrtest
