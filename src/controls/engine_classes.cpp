#include "controls/engine_classes.h"

#include <array>
#include <limits>

#include "controls/shape.h"
#include "controls/text_controls.h"
#include "model/model_classes.h"
#include "model/property_builders.h"

namespace qr {
namespace {

using namespace props;

constexpr std::array<std::string_view, 7> kSysDataTypes = {
    "qrsTime",        "qrsDate",        "qrsDateTime", "qrsPageNumber",
    "qrsReportTitle", "qrsDetailCount", "qrsDetailNo"};
constexpr std::array<std::string_view, 7> kShapeTypes = {
    "qrsRectangle",    "qrsCircle",       "qrsVertLine", "qrsHorLine",
    "qrsTopAndBottom", "qrsRightAndLeft", "qrsRoundRect"};
constexpr std::array<std::string_view, 7> kPenStyles = {
    "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<std::string_view, 2> kBrushStyles = {"bsSolid", "bsClear"};
constexpr std::array<std::string_view, 4> kBiDiModes = {
    "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};

ClassInfo MakeCustomLabelClass() {
  using L = TQRCustomLabel;
  ClassInfo info{"TQRCustomLabel", &PrintableClass()};
  // The point size is always stored beside the font; it wins once loaded.
  PropertyInfo fontSize = Int<L>(
      "FontSize", [](L& l) { return l.FontSize(); }, [](L& l, int v) { l.SetStoredFontSize(v); },
      std::numeric_limits<std::int64_t>::min());
  info.properties = {
      Bool<L>(
          "AutoSize", [](L& l) { return l.AutoSize; }, [](L& l, bool v) { l.AutoSize = v; }, true),
      Bool<L>(
          "AutoStretch", [](L& l) { return l.AutoStretch; },
          [](L& l, bool v) { l.AutoStretch = v; }, false),
      Bool<L>(
          "WordWrap", [](L& l) { return l.WordWrap; }, [](L& l, bool v) { l.WordWrap = v; }, true),
      Enum<L, TBiDiMode>(
          "BiDiMode", [](L& l) { return l.BiDiMode; }, [](L& l, TBiDiMode v) { l.BiDiMode = v; },
          TBiDiMode::bdLeftToRight, kBiDiModes),
      fontSize,
  };
  return info;
}

const ClassInfo& CustomLabelClass() {
  static const ClassInfo info = MakeCustomLabelClass();
  return info;
}

ClassInfo MakeLabelClass() {
  ClassInfo info{"TQRLabel", &CustomLabelClass()};
  info.create = [](Component* owner) { return new TQRLabel(owner); };
  info.properties = {String<TQRLabel>(
      "Caption", [](TQRLabel& l) { return l.Caption() == l.Name() ? "" : l.Caption(); },
      [](TQRLabel& l, const std::string& v) { l.SetCaption(v); })};
  return info;
}

ClassInfo MakeDBTextClass() {
  using D = TQRDBText;
  ClassInfo info{"TQRDBText", &CustomLabelClass()};
  info.create = [](Component* owner) { return new TQRDBText(owner); };
  info.properties = {
      Reference<D, TDataSetComponent>(
          "DataSet", [](D& d) { return d.DataSet(); },
          [](D& d, TDataSetComponent* v) { d.SetDataSet(v); }),
      String<D>(
          "DataField", [](D& d) { return d.DataField(); },
          [](D& d, const std::string& v) { d.SetDataField(v); }),
      String<D>(
          "Mask", [](D& d) { return d.Mask; }, [](D& d, const std::string& v) { d.Mask = v; }),
  };
  return info;
}

ClassInfo MakeExprClass() {
  using E = TQRExpr;
  ClassInfo info{"TQRExpr", &CustomLabelClass()};
  info.create = [](Component* owner) { return new TQRExpr(owner); };
  info.properties = {
      String<E>(
          "Expression", [](E& e) { return e.Expression(); },
          [](E& e, const std::string& v) { e.SetExpression(v); }),
      String<E>(
          "Mask", [](E& e) { return e.Mask(); }, [](E& e, const std::string& v) { e.SetMask(v); }),
      Reference<E, Component>(
          "Master", [](E& e) { return e.Master(); }, [](E& e, Component* v) { e.SetMaster(v); }),
      Bool<E>(
          "ResetAfterPrint", [](E& e) { return e.ResetAfterPrint; },
          [](E& e, bool v) { e.ResetAfterPrint = v; }, false),
  };
  return info;
}

ClassInfo MakeSysDataClass() {
  using S = TQRSysData;
  ClassInfo info{"TQRSysData", &CustomLabelClass()};
  info.create = [](Component* owner) { return new TQRSysData(owner); };
  info.properties = {
      Enum<S, TQRSysDataType>(
          "Data", [](S& s) { return s.Data(); }, [](S& s, TQRSysDataType v) { s.SetData(v); },
          TQRSysDataType::qrsTime, kSysDataTypes),
      String<S>(
          "Text", [](S& s) { return s.Text(); }, [](S& s, const std::string& v) { s.SetText(v); }),
  };
  return info;
}

ClassInfo MakePenClass() {
  ClassInfo info{"TPen"};
  const ShapePen d;
  info.properties = {
      ColorProperty<ShapePen>(
          "Color", [](ShapePen& p) { return p.color; }, [](ShapePen& p, Color v) { p.color = v; },
          d.color),
      Enum<ShapePen, TPenStyle>(
          "Style", [](ShapePen& p) { return p.style; },
          [](ShapePen& p, TPenStyle v) { p.style = v; }, d.style, kPenStyles),
      Int<ShapePen>(
          "Width", [](ShapePen& p) { return p.width; }, [](ShapePen& p, int v) { p.width = v; },
          d.width),
  };
  return info;
}

ClassInfo MakeBrushClass() {
  ClassInfo info{"TBrush"};
  const ShapeBrush d;
  info.properties = {
      ColorProperty<ShapeBrush>(
          "Color", [](ShapeBrush& b) { return b.color; },
          [](ShapeBrush& b, Color v) { b.color = v; }, d.color),
      Enum<ShapeBrush, TBrushStyle>(
          "Style", [](ShapeBrush& b) { return b.style; },
          [](ShapeBrush& b, TBrushStyle v) { b.style = v; }, d.style, kBrushStyles),
  };
  return info;
}

ShapePen& PenOf(TQRShape& s) {
  return s.Pen;
}
ShapeBrush& BrushOf(TQRShape& s) {
  return s.Brush;
}

ClassInfo MakeShapeClass() {
  using S = TQRShape;
  static const ClassInfo pen = MakePenClass();
  static const ClassInfo brush = MakeBrushClass();
  ClassInfo info{"TQRShape", &PrintableClass()};
  info.create = [](Component* owner) { return new TQRShape(owner); };
  info.properties = {
      Nested<S, ShapeBrush>("Brush", brush, BrushOf),
      Nested<S, ShapePen>("Pen", pen, PenOf),
      Enum<S, TQRShapeType>(
          "Shape", [](S& s) { return s.Shape; }, [](S& s, TQRShapeType v) { s.Shape = v; },
          TQRShapeType::qrsRectangle, kShapeTypes),
      Float<S>(
          "RoundFactor", [](S& s) { return static_cast<double>(s.RoundFactor); },
          [](S& s, double v) { s.RoundFactor = static_cast<float>(v); }, 0.0),
      Int<S>(
          "VertAdjust", [](S& s) { return s.VertAdjust; }, [](S& s, int v) { s.VertAdjust = v; },
          0),
  };
  return info;
}

template <ClassInfo (*Make)()>
const ClassInfo& Once() {
  static const ClassInfo info = Make();
  return info;
}

}  // namespace

const ClassInfo& TQRLabel::Class() const {
  return Once<MakeLabelClass>();
}
const ClassInfo& TQRDBText::Class() const {
  return Once<MakeDBTextClass>();
}
const ClassInfo& TQRExpr::Class() const {
  return Once<MakeExprClass>();
}
const ClassInfo& TQRSysData::Class() const {
  return Once<MakeSysDataClass>();
}
const ClassInfo& TQRShape::Class() const {
  return Once<MakeShapeClass>();
}

void RegisterControlClasses(ClassRegistry& registry) {
  registry.Register(Once<MakeLabelClass>());
  registry.Register(Once<MakeDBTextClass>());
  registry.Register(Once<MakeExprClass>());
  registry.Register(Once<MakeSysDataClass>());
  registry.Register(Once<MakeShapeClass>());
}

const ClassRegistry& EngineClasses() {
  static const ClassRegistry registry = [] {
    ClassRegistry classes;
    RegisterModelClasses(classes);
    RegisterControlClasses(classes);
    return classes;
  }();
  return registry;
}

}  // namespace qr
