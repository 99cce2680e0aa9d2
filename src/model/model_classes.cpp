#include "model/model_classes.h"

#include <array>
#include <limits>

#include "expr/environment.h"
#include "model/band.h"
#include "model/controller_band.h"
#include "model/group.h"
#include "model/printable.h"
#include "model/property_builders.h"
#include "model/report.h"
#include "model/report_form.h"
#include "model/table_component.h"

namespace qr {
namespace {

using namespace props;

const ClassInfo& PrintableSizeClassInfo();
const ClassInfo& BandSizeClassInfo();
const ClassInfo& PageClassInfo();
const ClassInfo& PrinterSettingsClassInfo();
const ClassInfo& FunctionsClassInfo();
const ClassInfo& CustomBandClassInfo();

// Pixel bounds are always stored.
constexpr std::int64_t kAlwaysStored = std::numeric_limits<std::int64_t>::min();

constexpr std::array<std::string_view, 7> kPenStyles = {
    "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<std::string_view, 4> kFontStyles = {"fsBold", "fsItalic", "fsUnderline",
                                                         "fsStrikeOut"};
constexpr std::array<std::string_view, 3> kAlignments = {"taLeftJustify", "taRightJustify",
                                                         "taCenter"};
constexpr std::array<std::string_view, 5> kUnits = {"MM", "Inches", "Pixels", "Characters",
                                                    "Native"};
constexpr std::array<std::string_view, 3> kOptions = {"FirstPageHeader", "LastPageFooter",
                                                      "Compression"};
constexpr std::array<std::string_view, 2> kOrientations = {"poPortrait", "poLandscape"};
constexpr std::array<std::string_view, 3> kZoomStates = {"qrZoomToFit", "qrZoomToWidth",
                                                         "qrZoomOther"};
constexpr std::array<std::string_view, 4> kFormStyles = {"fsNormal", "fsMDIChild", "fsMDIForm",
                                                         "fsStayOnTop"};
constexpr std::array<std::string_view, 3> kWindowStates = {"wsNormal", "wsMinimized",
                                                           "wsMaximized"};
constexpr std::array<std::string_view, 11> kBandTypes = {
    "rbTitle",       "rbPageHeader", "rbDetail",       "rbPageFooter", "rbSummary", "rbGroupHeader",
    "rbGroupFooter", "rbSubDetail",  "rbColumnHeader", "rbOverlay",    "rbChild"};

std::array<std::string_view, kPaperSizeCount> PaperNames() {
  std::array<std::string_view, kPaperSizeCount> names{};
  for (int i = 0; i < kPaperSizeCount; ++i) names[i] = PaperSizeName(static_cast<TQRPaperSize>(i));
  return names;
}

std::array<std::string_view, 14> BinNames() {
  std::array<std::string_view, 14> names{};
  for (int i = 0; i < 14; ++i) names[i] = BinName(static_cast<TQRBin>(i));
  return names;
}

int FontStyleBits(const ReportFont& f) {
  return (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0);
}

void SetFontStyleBits(ReportFont& f, int bits) {
  f.bold = bits & 1;
  f.italic = bits & 2;
  f.underline = bits & 4;
  f.strikeOut = bits & 8;
}

ClassInfo MakeFontClass() {
  const ReportFont d;
  ClassInfo info{"TFont"};
  info.properties = {
      Int<ReportFont>(
          "Charset", [](ReportFont& f) { return f.charset; },
          [](ReportFont& f, int v) { f.charset = v; }, d.charset),
      ColorProperty<ReportFont>(
          "Color", [](ReportFont& f) { return f.color; },
          [](ReportFont& f, Color v) { f.color = v; }, d.color),
      Int<ReportFont>(
          "Height", [](ReportFont& f) { return f.height; },
          [](ReportFont& f, int v) { f.height = v; }, d.height),
      String<ReportFont>(
          "Name", [](ReportFont& f) { return f.name == "Arial" ? "" : f.name; },
          [](ReportFont& f, const std::string& v) { f.name = v; }),
      Bits<ReportFont>("Style", FontStyleBits, SetFontStyleBits, 0, kFontStyles),
  };
  return info;
}

ClassInfo MakeFrameClass() {
  ClassInfo info{"TQRFrame"};
  info.properties = {
      ColorProperty<TQRFrame>(
          "Color", [](TQRFrame& f) { return f.LineColor; },
          [](TQRFrame& f, Color v) { f.LineColor = v; }, kBlack),
      Bool<TQRFrame>(
          "DrawTop", [](TQRFrame& f) { return f.DrawTop; },
          [](TQRFrame& f, bool v) { f.DrawTop = v; }, false),
      Bool<TQRFrame>(
          "DrawBottom", [](TQRFrame& f) { return f.DrawBottom; },
          [](TQRFrame& f, bool v) { f.DrawBottom = v; }, false),
      Bool<TQRFrame>(
          "DrawLeft", [](TQRFrame& f) { return f.DrawLeft; },
          [](TQRFrame& f, bool v) { f.DrawLeft = v; }, false),
      Bool<TQRFrame>(
          "DrawRight", [](TQRFrame& f) { return f.DrawRight; },
          [](TQRFrame& f, bool v) { f.DrawRight = v; }, false),
      Enum<TQRFrame, TPenStyle>(
          "Style", [](TQRFrame& f) { return f.Style; },
          [](TQRFrame& f, TPenStyle v) { f.Style = v; }, TPenStyle::psSolid, kPenStyles),
      Int<TQRFrame>(
          "Width", [](TQRFrame& f) { return f.Width; }, [](TQRFrame& f, int v) { f.Width = v; }, 1),
  };
  return info;
}

template <typename Size>
ClassInfo MakeSizeClass(const char* name) {
  ClassInfo info{name};
  info.properties = {FloatList<Size>(
      "Values", [](Size& s) { return s.Values(); },
      [](Size& s, const std::vector<double>& v) { s.ReadValueList(v); })};
  return info;
}

ClassInfo MakeControlClass() {
  ClassInfo info{"TControl"};
  info.properties = {
      Int<Control>(
          "Left", [](Control& c) { return c.Left(); }, [](Control& c, int v) { c.SetLeft(v); },
          kAlwaysStored),
      Int<Control>(
          "Top", [](Control& c) { return c.Top(); }, [](Control& c, int v) { c.SetTop(v); },
          kAlwaysStored),
      Int<Control>(
          "Width", [](Control& c) { return c.Width(); }, [](Control& c, int v) { c.SetWidth(v); },
          kAlwaysStored),
      Int<Control>(
          "Height", [](Control& c) { return c.Height(); },
          [](Control& c, int v) { c.SetHeight(v); }, kAlwaysStored),
  };
  return info;
}

ReportFont& FontOf(Control& c) {
  return const_cast<ReportFont&>(c.Font());
}
TQRFrame& FrameOfPanel(TQRBasePanel& p) {
  return p.Frame;
}
TQRFrame& FrameOfPrintable(TQRPrintable& p) {
  return p.Frame;
}
TQRBandSize& SizeOfBand(TQRCustomBand& b) {
  return b.Size();
}
TQRPrintableSize& SizeOfPrintable(TQRPrintable& p) {
  return p.Size();
}

// Properties of a control's look that bands, the report and printables share.
std::vector<PropertyInfo> LookProperties() {
  return {
      ColorProperty<Control>(
          "Color", [](Control& c) { return c.GetColor(); },
          [](Control& c, Color v) { c.SetColor(v); }, kWhite),
      Nested<Control, ReportFont>("Font", FontClass(), FontOf),
      Bool<Control>(
          "ParentFont", [](Control& c) { return c.ParentFont(); },
          [](Control& c, bool v) { c.SetParentFont(v); }, true),
  };
}

ClassInfo MakePrintableClass() {
  ClassInfo info{"TQRPrintable", &ControlClass()};
  info.properties = {
      Bool<TQRPrintable>(
          "Enabled", [](TQRPrintable& p) { return p.Enabled; },
          [](TQRPrintable& p, bool v) { p.Enabled = v; }, true),
      Nested<TQRPrintable, TQRFrame>("Frame", FrameClass(), FrameOfPrintable),
      Nested<TQRPrintable, TQRPrintableSize>("Size", PrintableSizeClassInfo(), SizeOfPrintable),
      Enum<TQRPrintable, TAlignment>(
          "Alignment", [](TQRPrintable& p) { return p.Alignment(); },
          [](TQRPrintable& p, TAlignment v) { p.SetAlignment(v); }, TAlignment::taLeftJustify,
          kAlignments),
      Bool<TQRPrintable>(
          "AlignToBand", [](TQRPrintable& p) { return p.AlignToBand(); },
          [](TQRPrintable& p, bool v) { p.SetAlignToBand(v); }, false),
      Bool<TQRPrintable>(
          "Transparent", [](TQRPrintable& p) { return p.Transparent(); },
          [](TQRPrintable& p, bool v) { p.SetTransparent(v); }, false),
  };
  for (PropertyInfo& look : LookProperties()) info.properties.push_back(std::move(look));
  return info;
}

ClassInfo MakeCustomBandClass() {
  ClassInfo info{"TQRCustomBand", &ControlClass()};
  info.properties = {
      Bool<TQRCustomBand>(
          "AlignToBottom", [](TQRCustomBand& b) { return b.AlignToBottom; },
          [](TQRCustomBand& b, bool v) { b.AlignToBottom = v; }, false),
      Bool<TQRCustomBand>(
          "Enabled", [](TQRCustomBand& b) { return b.Enabled; },
          [](TQRCustomBand& b, bool v) { b.Enabled = v; }, true),
      Bool<TQRCustomBand>(
          "TransparentBand", [](TQRCustomBand& b) { return b.TransparentBand; },
          [](TQRCustomBand& b, bool v) { b.TransparentBand = v; }, false),
      Bool<TQRCustomBand>(
          "ForceNewColumn", [](TQRCustomBand& b) { return b.ForceNewColumn; },
          [](TQRCustomBand& b, bool v) { b.ForceNewColumn = v; }, false),
      Bool<TQRCustomBand>(
          "ForceNewPage", [](TQRCustomBand& b) { return b.ForceNewPage; },
          [](TQRCustomBand& b, bool v) { b.ForceNewPage = v; }, false),
      Reference<TQRCustomBand, TQRCustomBand>(
          "LinkBand", [](TQRCustomBand& b) { return b.LinkBand(); },
          [](TQRCustomBand& b, TQRCustomBand* v) { b.SetLinkBand(v); }),
      Nested<TQRCustomBand, TQRBandSize>("Size", BandSizeClassInfo(), SizeOfBand),
      Bool<TQRCustomBand>(
          "PreCaluculateBandHeight", [](TQRCustomBand& b) { return b.PreCaluculateBandHeight; },
          [](TQRCustomBand& b, bool v) { b.PreCaluculateBandHeight = v; }, false),
      Bool<TQRCustomBand>(
          "KeepOnOnePage", [](TQRCustomBand& b) { return b.KeepOnOnePage; },
          [](TQRCustomBand& b, bool v) { b.KeepOnOnePage = v; }, false),
      Nested<TQRBasePanel, TQRFrame>("Frame", FrameClass(), FrameOfPanel),
  };
  for (PropertyInfo& look : LookProperties()) info.properties.push_back(std::move(look));
  return info;
}

ClassInfo MakeBandClass() {
  ClassInfo info{"TQRBand", &CustomBandClassInfo()};
  info.create = [](Component* owner) { return new TQRBand(owner); };
  info.properties = {Enum<TQRBand, TQRBandType>(
      "BandType", [](TQRBand& b) { return b.BandType(); },
      [](TQRBand& b, TQRBandType v) { b.SetBandType(v); }, TQRBandType::rbTitle, kBandTypes)};
  return info;
}

ClassInfo MakeChildBandClass() {
  ClassInfo info{"TQRChildBand", &CustomBandClassInfo()};
  info.create = [](Component* owner) { return new TQRChildBand(owner); };
  info.properties = {Reference<TQRChildBand, TQRCustomBand>(
      "ParentBand", [](TQRChildBand& b) { return b.ParentBand(); },
      [](TQRChildBand& b, TQRCustomBand* v) { b.SetParentBand(v); })};
  return info;
}

ClassInfo MakeGroupClass() {
  ClassInfo info{"TQRGroup", &CustomBandClassInfo()};
  info.create = [](Component* owner) { return new TQRGroup(owner); };
  info.properties = {
      String<TQRGroup>(
          "Expression", [](TQRGroup& g) { return g.Expression; },
          [](TQRGroup& g, const std::string& v) { g.Expression = v; }),
      Reference<TQRGroup, TQRCustomBand>(
          "FooterBand", [](TQRGroup& g) { return g.FooterBand(); },
          [](TQRGroup& g, TQRCustomBand* v) { g.SetFooterBand(v); }),
      Reference<TQRGroup, Component>(
          "Master", [](TQRGroup& g) { return g.Master(); },
          [](TQRGroup& g, Component* v) { g.SetMaster(v); }),
      Bool<TQRGroup>(
          "ReprintOnNewPage", [](TQRGroup& g) { return g.ReprintOnNewPage; },
          [](TQRGroup& g, bool v) { g.ReprintOnNewPage = v; }, false),
  };
  return info;
}

ClassInfo MakeSubDetailClass() {
  ClassInfo info{"TQRSubDetail", &CustomBandClassInfo()};
  info.create = [](Component* owner) { return new TQRSubDetail(owner); };
  info.properties = {
      Reference<TQRSubDetail, TDataSetComponent>(
          "DataSet", [](TQRSubDetail& b) { return b.DataSet(); },
          [](TQRSubDetail& b, TDataSetComponent* v) { b.SetDataSet(v); }),
      Reference<TQRSubDetail, TQRCustomBand>(
          "FooterBand", [](TQRSubDetail& b) { return b.FooterBand(); },
          [](TQRSubDetail& b, TQRCustomBand* v) { b.SetFooterBand(v); }),
      Reference<TQRSubDetail, TQRCustomBand>(
          "HeaderBand", [](TQRSubDetail& b) { return b.HeaderBand(); },
          [](TQRSubDetail& b, TQRCustomBand* v) { b.SetHeaderBand(v); }),
      Reference<TQRSubDetail, Component>(
          "Master", [](TQRSubDetail& b) { return b.Master(); },
          [](TQRSubDetail& b, Component* v) { b.SetMaster(v); }),
      Bool<TQRSubDetail>(
          "PrintBefore", [](TQRSubDetail& b) { return b.PrintBefore(); },
          [](TQRSubDetail& b, bool v) { b.SetPrintBefore(v); }, false),
      Bool<TQRSubDetail>(
          "PrintIfEmpty", [](TQRSubDetail& b) { return b.PrintIfEmpty(); },
          [](TQRSubDetail& b, bool v) { b.SetPrintIfEmpty(v); }, true),
  };
  return info;
}

ClassInfo MakePageClass() {
  ClassInfo info{"TQRPage"};
  static const auto papers = PaperNames();
  info.properties = {
      Int<TQRPage>(
          "Columns", [](TQRPage& p) { return p.Columns(); },
          [](TQRPage& p, int v) { p.SetColumns(v); }, 1),
      Enum<TQRPage, TPrinterOrientation>(
          "Orientation", [](TQRPage& p) { return p.Orientation(); },
          [](TQRPage& p, TPrinterOrientation v) { p.SetOrientation(v); },
          TPrinterOrientation::poPortrait, kOrientations),
      Enum<TQRPage, TQRPaperSize>(
          "PaperSize", [](TQRPage& p) { return p.PaperSize(); },
          [](TQRPage& p, TQRPaperSize v) { p.SetPaperSize(v); }, TQRPaperSize::Default, papers),
      Bool<TQRPage>(
          "Ruler", [](TQRPage& p) { return p.Ruler(); }, [](TQRPage& p, bool v) { p.SetRuler(v); },
          true),
      FloatList<TQRPage>(
          "Values", [](TQRPage& p) { return p.Values(); },
          [](TQRPage& p, const std::vector<double>& v) { p.ReadValueList(v); }),
  };
  return info;
}

ClassInfo MakePrinterSettingsClass() {
  using S = TQRReportPrinterSettings;
  static const auto bins = BinNames();
  const S d;
  ClassInfo info{"TQRReportPrinterSettings"};
  info.properties = {
      Int<S>(
          "Copies", [](S& s) { return s.Copies; }, [](S& s, int v) { s.Copies = v; }, d.Copies),
      Bool<S>(
          "Duplex", [](S& s) { return s.Duplex; }, [](S& s, bool v) { s.Duplex = v; }, false),
      Enum<S, TQRBin>(
          "OutputBin", [](S& s) { return s.OutputBin; }, [](S& s, TQRBin v) { s.OutputBin = v; },
          d.OutputBin, bins),
      Int<S>(
          "FirstPage", [](S& s) { return s.FirstPage; }, [](S& s, int v) { s.FirstPage = v; }, 0),
      Int<S>(
          "LastPage", [](S& s) { return s.LastPage; }, [](S& s, int v) { s.LastPage = v; }, 0),
      Bool<S>(
          "UseStandardprinter", [](S& s) { return s.UseStandardprinter; },
          [](S& s, bool v) { s.UseStandardprinter = v; }, false),
      Int<S>(
          "ExtendedDuplex", [](S& s) { return s.ExtendedDuplex; },
          [](S& s, int v) { s.ExtendedDuplex = v; }, 0),
      Int<S>(
          "MemoryLimit", [](S& s) { return s.MemoryLimit; }, [](S& s, int v) { s.MemoryLimit = v; },
          kStoredDefaultMemoryLimit),
      Int<S>(
          "PrintQuality", [](S& s) { return s.PrintQuality; },
          [](S& s, int v) { s.PrintQuality = v; }, kStoredDefaultPrintQuality),
      Int<S>(
          "Collate", [](S& s) { return s.Collate; }, [](S& s, int v) { s.Collate = v; }, 0),
      Int<S>(
          "ColorOption", [](S& s) { return s.ColorOption; }, [](S& s, int v) { s.ColorOption = v; },
          0),
      Bool<S>(
          "UseCustomBinCode", [](S& s) { return s.UseCustomBinCode; },
          [](S& s, bool v) { s.UseCustomBinCode = v; }, false),
      Int<S>(
          "CustomBinCode", [](S& s) { return s.CustomBinCode; },
          [](S& s, int v) { s.CustomBinCode = v; }, 0),
      Bool<S>(
          "UseCustomPaperCode", [](S& s) { return s.UseCustomPaperCode; },
          [](S& s, bool v) { s.UseCustomPaperCode = v; }, false),
      Int<S>(
          "CustomPaperCode", [](S& s) { return s.CustomPaperCode; },
          [](S& s, int v) { s.CustomPaperCode = v; }, 0),
      Bool<S>(
          "PrintMetaFile", [](S& s) { return s.PrintMetaFile; },
          [](S& s, bool v) { s.PrintMetaFile = v; }, false),
  };
  return info;
}

// The environment stores its names and its expressions as two lists; the
// names arrive first and wait for their expressions.
ClassInfo MakeFunctionsClass() {
  using E = TQREvEnvironment;
  ClassInfo info{"TQREvEnvironment"};
  PropertyInfo names{"Strings"};
  names.write = [](void* o) -> std::optional<DefinitionValue> {
    E& e = *static_cast<E*>(o);
    std::vector<DefinitionValue> items;
    for (size_t i = 0; i < e.Count(); ++i) items.push_back(DefinitionValue::Str(e.NameAt(i)));
    return DefinitionValue::ListOf(std::move(items));
  };
  names.read = [](void* o, const DefinitionValue& v, ReadContext& context) {
    if (v.kind != DefinitionValue::Kind::List) BadValue("Functions.Strings", "a list of texts");
    std::vector<std::string>& pending = context.pendingLists[o];
    pending.clear();
    for (const DefinitionValue& item : v.items)
      pending.push_back(ReadString(item, "Functions.Strings"));
  };
  PropertyInfo expressions{"DATA"};
  expressions.write = [](void* o) -> std::optional<DefinitionValue> {
    E& e = *static_cast<E*>(o);
    std::vector<DefinitionValue> items;
    for (size_t i = 0; i < e.Count(); ++i)
      items.push_back(DefinitionValue::Str(e.EntryAt(i).Expression()));
    return DefinitionValue::ListOf(std::move(items));
  };
  expressions.read = [](void* o, const DefinitionValue& v, ReadContext& context) {
    E& e = *static_cast<E*>(o);
    const std::vector<std::string>& pending = context.pendingLists[o];
    if (v.kind != DefinitionValue::Kind::List || v.items.size() != pending.size())
      BadValue("Functions.DATA", "one expression for each name of Functions.Strings");
    e.Clear();
    for (size_t i = 0; i < pending.size(); ++i)
      e.Define(pending[i], ReadString(v.items[i], "Functions.DATA"));
  };
  info.properties = {names, expressions};
  return info;
}

TQRPage& PageOf(TQRReport& r) {
  return r.Page();
}
TQRReportPrinterSettings& PrinterSettingsOf(TQRReport& r) {
  return r.PrinterSettings;
}
TQREvEnvironment& FunctionsOf(TQRReport& r) {
  return r.Functions();
}

ClassInfo MakeReportClass() {
  using R = TQRReport;
  // The default unit follows the locale, so the unit is always stored.
  constexpr auto kNoUnit = static_cast<TQRUnit>(-1);
  ClassInfo info{"TQRReport", &ControlClass()};
  info.create = [](Component* owner) { return new TQRReport(owner); };
  info.properties = {
      Nested<TQRBasePanel, TQRFrame>("Frame", FrameClass(), FrameOfPanel),
      String<R>(
          "BackImageControl", [](R& r) { return r.BackImageControl; },
          [](R& r, const std::string& v) { r.BackImageControl = v; }),
      Reference<R, TDataSetComponent>(
          "DataSet", [](R& r) { return r.DataSet(); },
          [](R& r, TDataSetComponent* v) { r.SetDataSet(v); }),
      StringList<R>(
          "Description.Strings", [](R& r) { return r.Description; },
          [](R& r, std::vector<std::string> v) { r.Description = std::move(v); }),
      Nested<R, TQREvEnvironment>("Functions", FunctionsClassInfo(), FunctionsOf),
      Bits<R>(
          "Options", [](R& r) { return r.Options; }, [](R& r, int v) { r.Options = v; },
          FirstPageHeader | LastPageFooter, kOptions),
      Nested<R, TQRPage>("Page", PageClassInfo(), PageOf),
      Nested<R, TQRReportPrinterSettings>("PrinterSettings", PrinterSettingsClassInfo(),
                                          PrinterSettingsOf),
      Bool<R>(
          "PrintIfEmpty", [](R& r) { return r.PrintIfEmpty(); },
          [](R& r, bool v) { r.SetPrintIfEmpty(v); }, true),
      String<R>(
          "ReportTitle", [](R& r) { return r.ReportTitle; },
          [](R& r, const std::string& v) { r.ReportTitle = v; }),
      Bool<R>(
          "ShowProgress", [](R& r) { return r.ShowProgress; },
          [](R& r, bool v) { r.ShowProgress = v; }, true),
      Bool<R>(
          "SnapToGrid", [](R& r) { return r.SnapToGrid; }, [](R& r, bool v) { r.SnapToGrid = v; },
          true),
      Enum<R, TQRUnit>(
          "Units", [](R& r) { return r.Units(); }, [](R& r, TQRUnit v) { r.SetUnits(v); }, kNoUnit,
          kUnits),
      Int<R>(
          "Zoom", [](R& r) { return r.Zoom(); }, [](R& r, int v) { r.SetZoom(v); }, 100),
      Enum<R, TFormStyle>(
          "PrevFormStyle", [](R& r) { return r.PrevFormStyle; },
          [](R& r, TFormStyle v) { r.PrevFormStyle = v; }, TFormStyle::fsNormal, kFormStyles),
      Enum<R, TWindowState>(
          "PreviewInitialState", [](R& r) { return r.PreviewInitialState; },
          [](R& r, TWindowState v) { r.PreviewInitialState = v; }, TWindowState::wsNormal,
          kWindowStates),
      Int<R>(
          "PreviewWidth", [](R& r) { return r.StoredPreviewWidth(); },
          [](R& r, int v) { r.SetPreviewWidth(v); }, 0),
      Int<R>(
          "PreviewHeight", [](R& r) { return r.StoredPreviewHeight(); },
          [](R& r, int v) { r.SetPreviewHeight(v); }, 0),
      Bool<R>(
          "PrevShowThumbs", [](R& r) { return r.PrevShowThumbs; },
          [](R& r, bool v) { r.PrevShowThumbs = v; }, true),
      Bool<R>(
          "PrevShowSearch", [](R& r) { return r.PrevShowSearch; },
          [](R& r, bool v) { r.PrevShowSearch = v; }, true),
      Enum<R, TQRZoomState>(
          "PrevInitialZoom", [](R& r) { return r.PrevInitialZoom; },
          [](R& r, TQRZoomState v) { r.PrevInitialZoom = v; }, TQRZoomState::qrZoomToFit,
          kZoomStates),
  };
  for (PropertyInfo& look : LookProperties()) info.properties.push_back(std::move(look));
  return info;
}

ClassInfo MakeTableClass() {
  ClassInfo info{"TTable"};
  info.create = [](Component* owner) { return new TTable(owner); };
  info.properties = {
      String<TTable>(
          "DatabaseName", [](TTable& t) { return t.DatabaseName; },
          [](TTable& t, const std::string& v) { t.DatabaseName = v; }),
      String<TTable>(
          "TableName", [](TTable& t) { return t.TableName; },
          [](TTable& t, const std::string& v) { t.TableName = v; }),
  };
  return info;
}

const ClassInfo& PrintableSizeClassInfo() {
  static const ClassInfo info = MakeSizeClass<TQRPrintableSize>("TQRPrintableSize");
  return info;
}
const ClassInfo& BandSizeClassInfo() {
  static const ClassInfo info = MakeSizeClass<TQRBandSize>("TQRBandSize");
  return info;
}
const ClassInfo& PageClassInfo() {
  static const ClassInfo info = MakePageClass();
  return info;
}
const ClassInfo& PrinterSettingsClassInfo() {
  static const ClassInfo info = MakePrinterSettingsClass();
  return info;
}
const ClassInfo& FunctionsClassInfo() {
  static const ClassInfo info = MakeFunctionsClass();
  return info;
}
const ClassInfo& CustomBandClassInfo() {
  static const ClassInfo info = MakeCustomBandClass();
  return info;
}
const ClassInfo& BandClassInfo() {
  static const ClassInfo info = MakeBandClass();
  return info;
}
const ClassInfo& ChildBandClassInfo() {
  static const ClassInfo info = MakeChildBandClass();
  return info;
}
const ClassInfo& GroupClassInfo() {
  static const ClassInfo info = MakeGroupClass();
  return info;
}
const ClassInfo& SubDetailClassInfo() {
  static const ClassInfo info = MakeSubDetailClass();
  return info;
}
const ClassInfo& ReportClassInfo() {
  static const ClassInfo info = MakeReportClass();
  return info;
}
const ClassInfo& TableClassInfo() {
  static const ClassInfo info = MakeTableClass();
  return info;
}
const ClassInfo& ControllerClassInfo() {
  static const ClassInfo info{"TQRController"};
  return info;
}

}  // namespace

const ClassInfo& ControlClass() {
  static const ClassInfo info = MakeControlClass();
  return info;
}
const ClassInfo& PrintableClass() {
  static const ClassInfo info = MakePrintableClass();
  return info;
}
const ClassInfo& FontClass() {
  static const ClassInfo info = MakeFontClass();
  return info;
}
const ClassInfo& FrameClass() {
  static const ClassInfo info = MakeFrameClass();
  return info;
}

const ClassInfo& TQRBand::Class() const {
  return BandClassInfo();
}
const ClassInfo& TQRChildBand::Class() const {
  return ChildBandClassInfo();
}
const ClassInfo& TQRGroup::Class() const {
  return GroupClassInfo();
}
const ClassInfo& TQRSubDetail::Class() const {
  return SubDetailClassInfo();
}
const ClassInfo& TQRReport::Class() const {
  return ReportClassInfo();
}
const ClassInfo& TTable::Class() const {
  return TableClassInfo();
}
const ClassInfo& TQRCustomController::Class() const {
  return ControllerClassInfo();
}
const ClassInfo& TQRController::Class() const {
  return ControllerClassInfo();
}

ClassInfo MakeFormClass(std::string name) {
  ClassInfo info{std::move(name), &ControlClass()};
  info.properties = {String<TReportForm>(
      "Caption", [](TReportForm& f) { return f.Caption; },
      [](TReportForm& f, const std::string& v) { f.Caption = v; })};
  return info;
}

void RegisterModelClasses(ClassRegistry& registry) {
  for (const ClassInfo* info : {&ReportClassInfo(), &BandClassInfo(), &ChildBandClassInfo(),
                                &GroupClassInfo(), &SubDetailClassInfo(), &TableClassInfo()})
    registry.Register(*info);
}

}  // namespace qr
