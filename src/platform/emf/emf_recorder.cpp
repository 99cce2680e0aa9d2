#include "platform/emf/emf_recorder.h"

#include <QString>
#include <cassert>
#include <cmath>
#include <vector>

#include "platform/emf/emf_records.h"
#include "platform/little_endian.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr double kHundredthsOfMillimetrePerInch = 2540;
constexpr double kMillimetresPerInch = 25.4;
// The reference screen is described as an A4-sized device at the reference
// resolution; readers only use it to relate pixels to millimetres.
constexpr int kReferenceDeviceWidthMm = 210;
constexpr int kReferenceDeviceHeightMm = 297;
constexpr int kFaceNameUnits = 32;

std::uint32_t PenStyleCode(PenStyle style) {
  return static_cast<std::uint32_t>(style);
}

std::uint32_t AlignFlags(HorizontalAlign horizontal, VerticalAlign vertical) {
  std::uint32_t flags = 0;
  if (horizontal == HorizontalAlign::Right) flags |= emf::kAlignRight;
  if (horizontal == HorizontalAlign::Centre) flags |= emf::kAlignCentre;
  if (vertical == VerticalAlign::Bottom) flags |= emf::kAlignBottom;
  if (vertical == VerticalAlign::Baseline) flags |= emf::kAlignBaseline;
  return flags;
}

std::size_t PaddedToFour(std::size_t size) {
  return (size + 3) & ~std::size_t{3};
}

}  // namespace

EmfRecorder::EmfRecorder(int widthPixels, int heightPixels)
    : width_(widthPixels), height_(heightPixels), slotUsed_(1, true) {
  bytes_.resize(emf::kHeaderSize);  // filled in by Finish
  recordCount_ = 1;
}

void EmfRecorder::BeginRecord(std::uint32_t type, std::uint32_t size) {
  ByteWriter writer(bytes_);
  writer.Uint32(type);
  writer.Uint32(size);
  ++recordCount_;
}

void EmfRecorder::RectRecord(std::uint32_t type, const Rect& box) {
  BeginRecord(type, 24);
  ByteWriter writer(bytes_);
  writer.Int32(box.left);
  writer.Int32(box.top);
  writer.Int32(box.right);
  writer.Int32(box.bottom);
}

void EmfRecorder::ValueRecord(std::uint32_t type, std::uint32_t value) {
  BeginRecord(type, 12);
  ByteWriter(bytes_).Uint32(value);
}

void EmfRecorder::SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) {
  align_ = AlignFlags(horizontal, vertical);
}

std::uint32_t EmfRecorder::AllocateSlot() {
  for (std::uint32_t slot = 1; slot < slotUsed_.size(); ++slot) {
    if (!slotUsed_[slot]) {
      slotUsed_[slot] = true;
      return slot;
    }
  }
  slotUsed_.push_back(true);
  return static_cast<std::uint32_t>(slotUsed_.size() - 1);
}

void EmfRecorder::ReplaceSelected(std::uint32_t& slot, std::uint32_t newSlot) {
  ValueRecord(emf::kSelectObject, newSlot);
  if (slot != 0) {
    ValueRecord(emf::kDeleteObject, slot);
    slotUsed_[slot] = false;
  }
  slot = newSlot & emf::kStockFlag ? 0 : newSlot;
}

void EmfRecorder::WriteFont() {
  const std::uint32_t slot = AllocateSlot();
  BeginRecord(emf::kExtCreateFontIndirectW, emf::kFontRecordSize);
  ByteWriter writer(bytes_);
  writer.Uint32(slot);
  // A negative height asks for the em height, which is what pixelHeight means.
  writer.Int32(-static_cast<std::int32_t>(std::lround(font_.pixelHeight)));
  writer.Int32(0);  // natural width
  writer.Int32(0);  // escapement
  writer.Int32(0);  // orientation
  writer.Int32(font_.weight);
  writer.Uint8(font_.italic);
  writer.Uint8(font_.underline);
  writer.Uint8(font_.strikeOut);
  writer.Uint8(static_cast<std::uint8_t>(font_.charset));
  writer.Zeros(4);  // precisions, quality, pitch and family
  const std::u16string face = QString::fromStdString(font_.faceName).toStdU16String();
  for (int i = 0; i < kFaceNameUnits; ++i)
    writer.Uint16(i < kFaceNameUnits - 1 && i < static_cast<int>(face.size()) ? face[i] : 0);
  writer.Zeros(emf::kFontRecordSize - 12 - emf::kLogFontSize);
  ReplaceSelected(fontSlot_, slot);
  written_.font = font_;
  written_.font.color = kBlack;
  written_.fontValid = true;
}

// Selects the null pen and keeps the pen it replaces as a spare: the same pen
// is usually wanted again soon (a rule drawn after each filled background),
// and selecting a kept pen costs one record instead of three.
void EmfRecorder::SelectNullPen() {
  if (penSlot_ != 0) {
    if (spareSlot_ != 0) {
      ValueRecord(emf::kDeleteObject, spareSlot_);
      slotUsed_[spareSlot_] = false;
    }
    spareSlot_ = penSlot_;
    sparePen_ = written_.pen;
  }
  ValueRecord(emf::kSelectObject, emf::kNullPen);
  penSlot_ = 0;
  written_.pen = CanvasPen{PenStyle::Null, 0, kBlack};
  written_.penValid = true;
}

void EmfRecorder::WritePen() {
  if (pen_.style == PenStyle::Null) return SelectNullPen();
  written_.pen = pen_;
  written_.penValid = true;
  if (spareSlot_ != 0 && sparePen_ == pen_) {
    const std::uint32_t spare = spareSlot_;
    spareSlot_ = 0;
    return ReplaceSelected(penSlot_, spare);
  }
  const std::uint32_t slot = AllocateSlot();
  ByteWriter writer(bytes_);
  if (pen_.width <= 1) {
    BeginRecord(emf::kCreatePen, 28);
    writer.Uint32(slot);
    writer.Uint32(PenStyleCode(pen_.style));
    writer.Int32(pen_.width);
    writer.Int32(0);
    writer.Uint32(pen_.color.value);
  } else {
    // Wide pens are geometric: some renderers draw cosmetic pens one pixel wide.
    BeginRecord(emf::kExtCreatePen, 52);
    writer.Uint32(slot);
    writer.Zeros(16);  // no pattern bitmap
    writer.Uint32(PenStyleCode(pen_.style) | emf::kPenGeometric | emf::kPenFlatCap |
                  emf::kPenMiterJoin);
    writer.Int32(pen_.width);
    writer.Uint32(emf::kBrushSolid);
    writer.Uint32(pen_.color.value);
    writer.Uint32(0);  // hatch
    writer.Uint32(0);  // no style entries
  }
  ReplaceSelected(penSlot_, slot);
}

void EmfRecorder::WriteBrush() {
  written_.brush = brush_;
  written_.brushValid = true;
  if (brush_.style == BrushStyle::Null) return ReplaceSelected(brushSlot_, emf::kNullBrush);
  const std::uint32_t slot = AllocateSlot();
  BeginRecord(emf::kCreateBrushIndirect, 24);
  ByteWriter writer(bytes_);
  writer.Uint32(slot);
  writer.Uint32(emf::kBrushSolid);
  writer.Uint32(brush_.color.value);
  writer.Uint32(0);
  ReplaceSelected(brushSlot_, slot);
}

void EmfRecorder::SyncTextState() {
  // The colour is a separate text setting, not part of the font object.
  CanvasFont object = font_;
  object.color = kBlack;
  if (!written_.fontValid || !(written_.font == object)) WriteFont();
  if (written_.textColor != font_.color) {
    ValueRecord(emf::kSetTextColor, font_.color.value);
    written_.textColor = font_.color;
  }
  if (written_.align != align_) {
    ValueRecord(emf::kSetTextAlign, align_);
    written_.align = align_;
  }
  const std::uint32_t mode =
      backgroundMode_ == BackgroundMode::Opaque ? emf::kOpaque : emf::kTransparent;
  if (written_.backgroundMode != mode) {
    ValueRecord(emf::kSetBkMode, mode);
    written_.backgroundMode = mode;
  }
  if (mode == emf::kOpaque && written_.backgroundColor != backgroundColor_) {
    ValueRecord(emf::kSetBkColor, backgroundColor_.value);
    written_.backgroundColor = backgroundColor_;
  }
}

void EmfRecorder::SyncShapeState() {
  if (!written_.penValid || !(written_.pen == pen_)) WritePen();
  if (!written_.brushValid || !(written_.brush == brush_)) WriteBrush();
}

void EmfRecorder::TextOut(int x, int y, const std::string& text) {
  SyncTextState();
  const std::u16string units = QString::fromStdString(text).toStdU16String();
  const std::size_t count = units.size();
  std::vector<double> advances(count);
  TextMeasurer::Advances(font_, units, advances.data());
  const std::size_t textBytes = PaddedToFour(2 * count);
  const std::uint32_t size =
      static_cast<std::uint32_t>(emf::kTextRecordFixedSize + textBytes + 4 * count);
  BeginRecord(emf::kExtTextOutW, size);
  ByteWriter writer(bytes_);
  writer.Zeros(16);  // bounds: readers ignore them
  writer.Uint32(emf::kGraphicsModeCompatible);
  const float scale = static_cast<float>(kHundredthsOfMillimetrePerInch / ReferencePixelsPerInch());
  writer.Float(scale);
  writer.Float(scale);
  writer.Int32(x);
  writer.Int32(y);
  writer.Uint32(static_cast<std::uint32_t>(count));
  writer.Uint32(emf::kTextRecordFixedSize);
  writer.Uint32(0);  // no options
  // An empty clip rectangle: no opaquing or clipping box.
  writer.Int32(0);
  writer.Int32(0);
  writer.Int32(-1);
  writer.Int32(-1);
  writer.Uint32(count == 0 ? 0 : static_cast<std::uint32_t>(emf::kTextRecordFixedSize + textBytes));
  for (char16_t unit : units) writer.Uint16(unit);
  writer.Zeros(textBytes - 2 * count);
  // Whole-unit advances that add up to the rounded total, so the text ends
  // where it was measured to end.
  double sum = 0;
  int placed = 0;
  for (double advance : advances) {
    sum += advance;
    const int next = RoundHalfEven(sum);
    writer.Int32(next - placed);
    placed = next;
  }
}

Size EmfRecorder::TextExtent(const std::string& text) {
  return TextMeasurer::Extent(font_, text);
}

void EmfRecorder::FillRect(const Rect& box) {
  // A rectangle drawn without a pen fills one unit less on the right and at the
  // bottom, hence the wider box.
  if (!written_.penValid || written_.pen.style != PenStyle::Null) SelectNullPen();
  if (!written_.brushValid || !(written_.brush == brush_)) WriteBrush();
  RectRecord(emf::kRectangle, Rect{box.left, box.top, box.right + 1, box.bottom + 1});
}

void EmfRecorder::Rectangle(const Rect& box) {
  SyncShapeState();
  RectRecord(emf::kRectangle, box);
}

void EmfRecorder::Ellipse(const Rect& box) {
  SyncShapeState();
  RectRecord(emf::kEllipse, box);
}

void EmfRecorder::RoundRect(const Rect& box, Size corner) {
  SyncShapeState();
  BeginRecord(emf::kRoundRect, 32);
  ByteWriter writer(bytes_);
  writer.Int32(box.left);
  writer.Int32(box.top);
  writer.Int32(box.right);
  writer.Int32(box.bottom);
  writer.Int32(corner.width);
  writer.Int32(corner.height);
}

void EmfRecorder::MoveTo(int x, int y) {
  BeginRecord(emf::kMoveToEx, 16);
  ByteWriter writer(bytes_);
  writer.Int32(x);
  writer.Int32(y);
}

void EmfRecorder::LineTo(int x, int y) {
  if (!written_.penValid || !(written_.pen == pen_)) WritePen();
  BeginRecord(emf::kLineTo, 16);
  ByteWriter writer(bytes_);
  writer.Int32(x);
  writer.Int32(y);
}

void EmfRecorder::IntersectClipRect(const Rect& box) {
  RectRecord(emf::kIntersectClipRect, box);
}

void EmfRecorder::ResetClip() {
  BeginRecord(emf::kExtSelectClipRgn, 16);
  ByteWriter writer(bytes_);
  writer.Uint32(0);  // no region data
  writer.Uint32(emf::kRegionCopy);
}

void EmfRecorder::WriteHeader() {
  const int pixelsPerInch = ReferencePixelsPerInch();
  const double hundredthsPerPixel = kHundredthsOfMillimetrePerInch / pixelsPerInch;
  std::uint8_t* header = bytes_.data();
  PutUint32(header, emf::kHeader);
  PutUint32(header + 4, emf::kHeaderSize);
  PutInt32(header + 8, 0);
  PutInt32(header + 12, 0);
  PutInt32(header + 16, width_ - 1);
  PutInt32(header + 20, height_ - 1);
  PutInt32(header + 24, 0);
  PutInt32(header + 28, 0);
  PutInt32(header + 32, static_cast<std::int32_t>(std::lround(width_ * hundredthsPerPixel)) - 1);
  PutInt32(header + 36, static_cast<std::int32_t>(std::lround(height_ * hundredthsPerPixel)) - 1);
  PutUint32(header + 40, emf::kSignature);
  PutUint32(header + 44, emf::kVersion);
  PutUint32(header + 48, static_cast<std::uint32_t>(bytes_.size()));
  PutUint32(header + 52, recordCount_);
  PutUint16(header + 56, static_cast<std::uint16_t>(slotUsed_.size()));
  PutUint16(header + 58, 0);
  PutUint32(header + 60, 0);  // no description
  PutUint32(header + 64, 0);
  PutUint32(header + 68, 0);  // no palette
  PutInt32(header + 72, static_cast<std::int32_t>(std::lround(
                            kReferenceDeviceWidthMm / kMillimetresPerInch * pixelsPerInch)));
  PutInt32(header + 76, static_cast<std::int32_t>(std::lround(
                            kReferenceDeviceHeightMm / kMillimetresPerInch * pixelsPerInch)));
  PutInt32(header + 80, kReferenceDeviceWidthMm);
  PutInt32(header + 84, kReferenceDeviceHeightMm);
  PutUint32(header + 88, 0);  // no pixel format
  PutUint32(header + 92, 0);
  PutUint32(header + 96, 0);  // not OpenGL
  PutInt32(header + 100, kReferenceDeviceWidthMm * 1000);
  PutInt32(header + 104, kReferenceDeviceHeightMm * 1000);
}

Metafile EmfRecorder::Finish() {
  BeginRecord(emf::kEof, emf::kEofSize);
  ByteWriter writer(bytes_);
  writer.Uint32(0);   // no palette entries
  writer.Uint32(16);  // where they would start
  writer.Uint32(emf::kEofSize);
  WriteHeader();
  return Metafile::FromBytes(std::move(bytes_));
}

}  // namespace qr
