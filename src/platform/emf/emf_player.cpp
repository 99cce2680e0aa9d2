#include "platform/emf/emf_player.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <variant>
#include <vector>

#include "platform/emf/emf_reader.h"
#include "platform/emf/emf_records.h"
#include "platform/little_endian.h"

namespace qr {
namespace {

using DrawingObject = std::variant<std::monostate, CanvasPen, CanvasBrush, CanvasFont>;

// Coordinates of damaged pages may be anything; keep scaled values in range.
constexpr double kCoordinateLimit = 1e9;

class Player {
 public:
  Player(const Metafile& metafile, Canvas& canvas, const Rect& destination)
      : canvas_(canvas), objects_(metafile.Header().handleCount) {
    const Rect& bounds = metafile.Header().bounds;
    const double sourceWidth = static_cast<double>(bounds.right) - bounds.left + 1;
    const double sourceHeight = static_cast<double>(bounds.bottom) - bounds.top + 1;
    if (sourceWidth <= 0 || sourceHeight <= 0)
      throw EmfError("Invalid metafile: empty bounds at offset 8");
    originX_ = bounds.left;
    originY_ = bounds.top;
    destinationX_ = destination.left;
    destinationY_ = destination.top;
    scaleX_ = destination.Width() / sourceWidth;
    scaleY_ = destination.Height() / sourceHeight;
  }

  void Play(const EmfReader& reader) {
    for (const EmfRecord& record : reader.Records()) Dispatch(record);
  }

 private:
  int X(double x) const { return Scaled(destinationX_ + (x - originX_) * scaleX_); }
  int Y(double y) const { return Scaled(destinationY_ + (y - originY_) * scaleY_); }
  static int Scaled(double value) {
    return static_cast<int>(std::nearbyint(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)));
  }
  Rect Box(const Rect& box) const {
    return Rect{X(box.left), Y(box.top), X(box.right), Y(box.bottom)};
  }

  void Dispatch(const EmfRecord& record) {
    switch (record.type) {
      case emf::kSetBkMode:
        canvas_.SetBackgroundMode(record.Uint32At(8) == emf::kTransparent
                                      ? BackgroundMode::Transparent
                                      : BackgroundMode::Opaque);
        break;
      case emf::kSetBkColor:
        canvas_.SetBackgroundColor(Color{record.Uint32At(8) & 0xFFFFFF});
        break;
      case emf::kSetTextColor:
        textColor_ = Color{record.Uint32At(8) & 0xFFFFFF};
        fontApplied_ = false;
        break;
      case emf::kSetTextAlign:
        SetTextAlign(record.Uint32At(8));
        break;
      case emf::kMoveToEx:
        canvas_.MoveTo(X(record.Int32At(8)), Y(record.Int32At(12)));
        break;
      case emf::kLineTo:
        ApplyPen();
        canvas_.LineTo(X(record.Int32At(8)), Y(record.Int32At(12)));
        break;
      case emf::kRectangle:
        Rectangle(record.RectAt(8));
        break;
      case emf::kEllipse:
        ApplyShapeObjects();
        canvas_.Ellipse(Box(record.RectAt(8)));
        break;
      case emf::kRoundRect:
        ApplyShapeObjects();
        canvas_.RoundRect(Box(record.RectAt(8)), Size{Scaled(record.Int32At(24) * scaleX_),
                                                      Scaled(record.Int32At(28) * scaleY_)});
        break;
      case emf::kIntersectClipRect:
        canvas_.IntersectClipRect(Box(record.RectAt(8)));
        break;
      case emf::kExtSelectClipRgn:
        SelectClipRegion(record);
        break;
      case emf::kCreatePen:
        CreatePen(record);
        break;
      case emf::kExtCreatePen:
        CreateExtendedPen(record);
        break;
      case emf::kCreateBrushIndirect:
        CreateBrush(record);
        break;
      case emf::kExtCreateFontIndirectW:
        CreateFont(record);
        break;
      case emf::kSelectObject:
        Select(record.Uint32At(8));
        break;
      case emf::kDeleteObject:
        Delete(record.Uint32At(8));
        break;
      case emf::kExtTextOutW:
        TextOut(record);
        break;
      default:
        break;  // outside the subset: nothing a page needs
    }
  }

  void SetTextAlign(std::uint32_t flags) {
    HorizontalAlign horizontal = HorizontalAlign::Left;
    if ((flags & emf::kAlignHorizontalMask) == emf::kAlignRight)
      horizontal = HorizontalAlign::Right;
    if ((flags & emf::kAlignHorizontalMask) == emf::kAlignCentre)
      horizontal = HorizontalAlign::Centre;
    VerticalAlign vertical = VerticalAlign::Top;
    if ((flags & emf::kAlignVerticalMask) == emf::kAlignBottom) vertical = VerticalAlign::Bottom;
    if ((flags & emf::kAlignVerticalMask) == emf::kAlignBaseline)
      vertical = VerticalAlign::Baseline;
    canvas_.SetTextAlign(horizontal, vertical);
  }

  // A rectangle without a pen only fills, one unit short on the right and at
  // the bottom: exactly a filled box.
  void Rectangle(const Rect& box) {
    if (pen_.style == PenStyle::Null) {
      ApplyBrush();
      canvas_.FillRect(Box(Rect{box.left, box.top, box.right - 1, box.bottom - 1}));
      return;
    }
    ApplyShapeObjects();
    canvas_.Rectangle(Box(box));
  }

  void SelectClipRegion(const EmfRecord& record) {
    const std::uint32_t dataSize = record.Uint32At(8);
    const std::uint32_t mode = record.Uint32At(12);
    if (mode == emf::kRegionCopy) canvas_.ResetClip();
    if (dataSize == 0) return;
    // A region is narrowed to its bounding box, the only shape a canvas clips to.
    if (mode == emf::kRegionCopy || mode == emf::kRegionAnd)
      canvas_.IntersectClipRect(Box(record.RectAt(32)));
  }

  // Stores a created object when its slot lies in the table; other indexes
  // are ignored, as a damaged page must not grow the table.
  void Store(std::uint32_t slot, DrawingObject object) {
    if (slot == 0 || slot >= objects_.size()) return;
    objects_[slot] = std::move(object);
  }

  static PenStyle PenStyleOf(std::uint32_t style) {
    const std::uint32_t code = style & emf::kPenStyleMask;
    return code <= emf::kPenNull ? static_cast<PenStyle>(code) : PenStyle::Solid;
  }

  void CreatePen(const EmfRecord& record) {
    record.Require(28);
    Store(record.Uint32At(8), CanvasPen{PenStyleOf(record.Uint32At(12)), record.Int32At(16),
                                        Color{record.Uint32At(24) & 0xFFFFFF}});
  }

  void CreateExtendedPen(const EmfRecord& record) {
    record.Require(48);
    Store(record.Uint32At(8), CanvasPen{PenStyleOf(record.Uint32At(28)), record.Int32At(32),
                                        Color{record.Uint32At(40) & 0xFFFFFF}});
  }

  void CreateBrush(const EmfRecord& record) {
    record.Require(24);
    const BrushStyle style =
        record.Uint32At(12) == emf::kBrushNull ? BrushStyle::Null : BrushStyle::Solid;
    Store(record.Uint32At(8), CanvasBrush{style, Color{record.Uint32At(16) & 0xFFFFFF}});
  }

  void CreateFont(const EmfRecord& record) {
    record.Require(12 + emf::kLogFontSize);
    const std::uint8_t* logFont = record.bytes.data() + 12;
    CanvasFont font;
    font.pixelHeight = std::abs(static_cast<double>(GetInt32(logFont)));
    font.weight = std::clamp(GetInt32(logFont + 16), 0, 1000);
    font.italic = logFont[20] != 0;
    font.underline = logFont[21] != 0;
    font.strikeOut = logFont[22] != 0;
    font.charset = logFont[23];
    std::u16string face;
    for (int i = 0; i < 32; ++i) {
      const char16_t unit = GetUint16(logFont + 28 + 2 * i);
      if (unit == 0) break;
      face.push_back(unit);
    }
    font.faceName = QString::fromStdU16String(face).toStdString();
    Store(record.Uint32At(8), font);
  }

  void Select(std::uint32_t index) {
    if (index & emf::kStockFlag) return SelectStock(index);
    if (index >= objects_.size()) return;
    const DrawingObject& object = objects_[index];
    if (const auto* pen = std::get_if<CanvasPen>(&object)) pen_ = *pen, penApplied_ = false;
    if (const auto* brush = std::get_if<CanvasBrush>(&object))
      brush_ = *brush, brushApplied_ = false;
    if (const auto* font = std::get_if<CanvasFont>(&object)) font_ = *font, fontApplied_ = false;
  }

  void SelectStock(std::uint32_t index) {
    const auto grey = [](int level) { return Color::FromRgb(level, level, level); };
    switch (index) {
      case emf::kWhiteBrush:
        brush_ = {BrushStyle::Solid, kWhite};
        break;
      case emf::kLightGrayBrush:
        brush_ = {BrushStyle::Solid, grey(0xC0)};
        break;
      case emf::kGrayBrush:
        brush_ = {BrushStyle::Solid, grey(0x80)};
        break;
      case emf::kDarkGrayBrush:
        brush_ = {BrushStyle::Solid, grey(0x40)};
        break;
      case emf::kBlackBrush:
        brush_ = {BrushStyle::Solid, kBlack};
        break;
      case emf::kNullBrush:
        brush_ = {BrushStyle::Null, kWhite};
        break;
      case emf::kWhitePen:
        pen_ = {PenStyle::Solid, 1, kWhite};
        break;
      case emf::kBlackPen:
        pen_ = {PenStyle::Solid, 1, kBlack};
        break;
      case emf::kNullPen:
        pen_ = {PenStyle::Null, 0, kBlack};
        break;
      default:
        return;
    }
    penApplied_ = brushApplied_ = false;
  }

  void Delete(std::uint32_t index) {
    if (index < objects_.size()) objects_[index] = std::monostate{};
  }

  void ApplyPen() {
    if (penApplied_) return;
    CanvasPen scaled = pen_;
    if (pen_.width > 1) scaled.width = std::max(1, Scaled(pen_.width * (scaleX_ + scaleY_) / 2));
    canvas_.SetPen(scaled);
    penApplied_ = true;
  }

  void ApplyBrush() {
    if (brushApplied_) return;
    canvas_.SetBrush(brush_);
    brushApplied_ = true;
  }

  void ApplyShapeObjects() {
    ApplyPen();
    ApplyBrush();
  }

  void ApplyFont() {
    if (fontApplied_) return;
    CanvasFont scaled = font_;
    scaled.pixelHeight = std::min(font_.pixelHeight * scaleY_, kCoordinateLimit);
    scaled.color = textColor_;
    canvas_.SetFont(scaled);
    fontApplied_ = true;
  }

  void TextOut(const EmfRecord& record) {
    record.Require(emf::kTextRecordFixedSize);
    const std::uint32_t count = record.Uint32At(44);
    const std::uint32_t textOffset = record.Uint32At(48);
    if (textOffset > record.bytes.size() || count > (record.bytes.size() - textOffset) / 2)
      throw EmfError("Invalid metafile: text outside its record at offset " +
                     std::to_string(record.offset));
    std::u16string units(count, u'\0');
    for (std::uint32_t i = 0; i < count; ++i)
      units[i] = GetUint16(record.bytes.data() + textOffset + 2 * i);
    ApplyFont();
    canvas_.TextOut(X(record.Int32At(36)), Y(record.Int32At(40)),
                    QString::fromStdU16String(units).toStdString());
  }

  Canvas& canvas_;
  std::vector<DrawingObject> objects_;
  double originX_ = 0, originY_ = 0, destinationX_ = 0, destinationY_ = 0;
  double scaleX_ = 1, scaleY_ = 1;
  CanvasPen pen_;
  CanvasBrush brush_;
  CanvasFont font_{"System", 16};
  Color textColor_ = kBlack;
  bool penApplied_ = false, brushApplied_ = false, fontApplied_ = false;
};

}  // namespace

void PlayMetafile(const Metafile& metafile, Canvas& canvas, const Rect& destination) {
  const EmfReader reader(metafile.Bytes());
  Player(metafile, canvas, destination).Play(reader);
}

void PlayMetafile(const Metafile& metafile, Canvas& canvas) {
  const Rect& bounds = metafile.Header().bounds;
  // Inclusive bounds; a damaged header's maximum stays in range.
  const auto pastEnd = [](int edge) {
    return edge == std::numeric_limits<int>::max() ? edge : edge + 1;
  };
  const Rect destination{bounds.left, bounds.top, pastEnd(bounds.right), pastEnd(bounds.bottom)};
  PlayMetafile(metafile, canvas, destination);
}

}  // namespace qr
