#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"
#include "platform/emf/metafile.h"

namespace qr {

// A canvas that records every call as enhanced metafile records, for a page of
// the given size in pixels of the reference screen. Fonts, pens, brushes,
// colours and modes are written only when a drawing call needs them and they
// changed, so a page of many texts in one font holds one font object.
class EmfRecorder : public Canvas {
 public:
  EmfRecorder(int widthPixels, int heightPixels);

  // Completes the drawing with the header and the EOF record. Drawing
  // afterwards is a programming error.
  Metafile Finish();

  void SetFont(const CanvasFont& font) override { font_ = font; }
  void SetPen(const CanvasPen& pen) override { pen_ = pen; }
  void SetBrush(const CanvasBrush& brush) override { brush_ = brush; }
  void SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) override;
  void SetBackgroundMode(BackgroundMode mode) override { backgroundMode_ = mode; }
  void SetBackgroundColor(Color color) override { backgroundColor_ = color; }

  void TextOut(int x, int y, const std::string& text) override;
  Size TextExtent(const std::string& text) override;

  void FillRect(const Rect& box) override;
  void Rectangle(const Rect& box) override;
  void Ellipse(const Rect& box) override;
  void RoundRect(const Rect& box, Size corner) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;

  void IntersectClipRect(const Rect& box) override;
  void ResetClip() override;

 private:
  // What has been written to the metafile so far.
  struct Written {
    bool fontValid = false;
    CanvasFont font;
    bool penValid = false;
    CanvasPen pen;
    bool brushValid = false;
    CanvasBrush brush;
    std::uint32_t align = 0;
    std::uint32_t backgroundMode = 2;  // opaque
    Color backgroundColor = kWhite;
    Color textColor = kBlack;
  };

  void BeginRecord(std::uint32_t type, std::uint32_t size);
  void RectRecord(std::uint32_t type, const Rect& box);
  void ValueRecord(std::uint32_t type, std::uint32_t value);
  void SyncTextState();
  void SyncShapeState();
  void WriteFont();
  void WritePen();
  void WriteBrush();
  // Creates an object in a free slot and selects it, deleting `slot`'s old one.
  std::uint32_t AllocateSlot();
  void ReplaceSelected(std::uint32_t& slot, std::uint32_t newSlot);
  void SelectNullPen();
  void WriteHeader();

  int width_;
  int height_;
  std::vector<std::uint8_t> bytes_;
  std::uint32_t recordCount_ = 0;
  std::vector<bool> slotUsed_;
  std::uint32_t fontSlot_ = 0;
  std::uint32_t penSlot_ = 0;
  // A created pen kept while the null pen is selected, and its value.
  std::uint32_t spareSlot_ = 0;
  CanvasPen sparePen_;
  std::uint32_t brushSlot_ = 0;

  CanvasFont font_;
  CanvasPen pen_;
  CanvasBrush brush_;
  std::uint32_t align_ = 0;
  BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
  Color backgroundColor_ = kWhite;
  Written written_;
};

}  // namespace qr
