#include "model/definition_reader.h"

#include <gtest/gtest.h>

#include "controls/engine_classes.h"
#include "controls/text_controls.h"
#include "model/definition_writer.h"
#include "model/report.h"
#include "model/report_form.h"
#include "model/tree_dump.h"

namespace qr {
namespace {

const ClassRegistry& Classes() {
  static const ClassRegistry registry = [] {
    static const ClassInfo form = [] {
      ClassInfo info = MakeFormClass("TTestForm");
      info.create = [](Component* owner) { return new TReportForm(owner, form); };
      return info;
    }();
    ClassRegistry classes = EngineClasses();
    classes.Register(form);
    return classes;
  }();
  return registry;
}

std::string ErrorOf(const std::string& text) {
  try {
    ReadDefinition(text, Classes());
  } catch (const DefinitionError& error) {
    return error.what();
  }
  return "no error";
}

TEST(DefinitionReader, NamesWhatItCannotRead) {
  struct Case {
    const char* name;
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"unknown class", "object F: TTestForm\n  object X: TNoSuchThing\n  end\nend\n",
       "line 2: unknown class 'TNoSuchThing'"},
      {"unknown property", "object F: TTestForm\n  Colour = clRed\nend\n",
       "line 2: class TTestForm has no property 'Colour' (object F)"},
      {"bad value",
       "object F: TTestForm\n  object R: TQRReport\n    ShowProgress = 3\n  end\nend\n",
       "line 3: property 'ShowProgress' needs True or False"},
      {"bad enum", "object F: TTestForm\n  object R: TQRReport\n    Units = Furlongs\n  end\nend\n",
       "line 3: property 'Units' needs one of MM Inches Pixels Characters Native"},
      {"missing end", "object F: TTestForm\n  Caption = 'x'\n", "line 3: missing 'end'"},
      {"unterminated text", "object F: TTestForm\n  Caption = 'x\nend\n",
       "line 2: unterminated text"},
      {"unknown reference",
       "object F: TTestForm\n  object R: TQRReport\n    DataSet = Nowhere\n  end\nend\n",
       "line 3: no component named 'Nowhere'"},
      {"wrong reference class",
       "object F: TTestForm\n  object R: TQRReport\n    DataSet = F\n  end\nend\n",
       "'F' cannot be the DataSet of 'R'"},
      {"trailing text", "object F: TTestForm\nend\nend\n",
       "line 3: unexpected 'end' after the last 'end'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ErrorOf(c.text), c.error);
  }
}

TEST(DefinitionReader, DecodesTextsSetsListsAndNestedProperties) {
  const auto root = ReadDefinition(
      "object F: TTestForm\n"
      "  Caption = 'P'#225'g. ''x'''\n"
      "  object R: TQRReport\n"
      "    Options = [Compression]\n"
      "    Description.Strings = (\n"
      "      'first'\n"
      "      'second')\n"
      "    Frame.DrawTop = True\n"
      "    Frame.Color = $000000FF\n"
      "    Font.Style = [fsBold, fsItalic]\n"
      "  end\n"
      "end\n",
      Classes());
  auto& form = static_cast<TReportForm&>(*root);
  EXPECT_EQ(form.Caption, "Pág. 'x'");
  auto* report = dynamic_cast<TQRReport*>(form.FindComponent("R"));
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->Options, Compression);
  EXPECT_EQ(report->Description, (std::vector<std::string>{"first", "second"}));
  EXPECT_TRUE(report->Frame.DrawTop);
  EXPECT_EQ(report->Frame.LineColor, Color::FromRgb(255, 0, 0));
  EXPECT_TRUE(report->Font().bold);
  EXPECT_TRUE(report->Font().italic);
}

TEST(DefinitionReader, StoredPageValuesOverwriteThePaperDimensions) {
  const auto root = ReadDefinition(
      "object F: TTestForm\n  object R: TQRReport\n    Page.PaperSize = A4\n"
      "    Page.Values = (\n 50.0\n 1000.0\n 50.0\n 800.0\n 60.0\n 60.0\n 0.0)\n  end\nend\n",
      Classes());
  auto* report = dynamic_cast<TQRReport*>(root->FindComponent("R"));
  EXPECT_EQ(report->Page().PaperSize(), TQRPaperSize::A4);
  EXPECT_DOUBLE_EQ(report->Page().Native(TQRPage::kWidth), 800);
  EXPECT_DOUBLE_EQ(report->Page().Native(TQRPage::kLength), 1000);
  EXPECT_EQ(report->Width(), 302);  // round(800 * 96 / 254)
}

TEST(DefinitionReader, AppliesSizesAndDeferredBoundsAfterLoading) {
  const auto root = ReadDefinition(
      "object F: TTestForm\n  object R: TQRReport\n"
      "    object B: TQRBand\n      Height = 30\n      BandType = rbDetail\n"
      "      object L: TQRLabel\n        Left = 7\n        Top = 3\n        Width = 50\n"
      "        Height = 15\n        Size.Values = (\n 39.7\n 0.0\n 0.0\n 100.0)\n"
      "        FontSize = 12\n        Caption = 'Hola'\n      end\n    end\n  end\nend\n",
      Classes());
  auto* band = dynamic_cast<TQRBand*>(root->FindComponent("B"));
  auto* label = dynamic_cast<TQRLabel*>(root->FindComponent("L"));
  // No size values: the band's size applies its defaults (20 native = 8
  // pixels), which differs from the streamed 30, so no correction happens.
  EXPECT_EQ(band->Height(), 8);
  // Zero left and top from the values take the streamed pixel bounds.
  EXPECT_EQ(label->Left(), 7);
  EXPECT_EQ(label->Top(), 3);
  EXPECT_EQ(label->Width(), 38);  // from the values: 100 native
  EXPECT_EQ(label->Font().Size(), 12);
  EXPECT_EQ(label->Caption(), "Hola");
}

TEST(DefinitionWriter, LeavesOutDefaultsAndThePrintQualityOf600) {
  TReportForm form(nullptr, *Classes().Find("TTestForm"));
  form.SetName("F");
  auto* report = new TQRReport(&form);
  report->SetName("R");
  report->PrinterSettings.PrintQuality = 600;
  report->PrinterSettings.Copies = 2;
  const std::string text = WriteDefinition(form);
  EXPECT_EQ(text.find("PrintQuality"), std::string::npos);
  EXPECT_NE(text.find("PrinterSettings.Copies = 2"), std::string::npos);
  EXPECT_EQ(text.find("ShowProgress"), std::string::npos);
  const auto again = ReadDefinition(text, Classes());
  auto* read = dynamic_cast<TQRReport*>(again->FindComponent("R"));
  EXPECT_EQ(read->PrinterSettings.PrintQuality, 0);
  EXPECT_EQ(read->PrinterSettings.Copies, 2);
}

TEST(DefinitionWriter, WritesTextsWithCharacterCodes) {
  TReportForm form(nullptr, *Classes().Find("TTestForm"));
  form.SetName("F");
  form.Caption = "Código 'x'\n";
  const std::string text = WriteDefinition(form);
  EXPECT_NE(text.find("Caption = 'C'#243'digo ''x'''#10"), std::string::npos) << text;
  const auto again = ReadDefinition(text, Classes());
  EXPECT_EQ(static_cast<TReportForm&>(*again).Caption, form.Caption);
}

}  // namespace
}  // namespace qr
