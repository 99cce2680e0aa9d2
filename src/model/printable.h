#pragma once

#include <memory>
#include <string>

#include "model/control.h"
#include "model/frame.h"
#include "model/printable_size.h"

namespace qr {

class TQRCustomReport;
class TQRPrinter;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// What a printable control keeps of pixel bounds read with its definition,
// to apply once its size has been applied.
struct DeferredBounds {
  int left = 0, top = 0, width = 0, height = 0;
};

// A control that draws itself on a report page: the base of labels, field
// texts, expressions, system data and shapes.
class TQRPrintable : public Control {
 public:
  explicit TQRPrintable(Component* owner);
  ~TQRPrintable() override;

  bool Enabled = true;
  TQRFrame Frame;
  TQRPrintableSize& Size() { return *size_; }
  const TQRPrintableSize& Size() const { return *size_; }
  TAlignment Alignment() const { return alignment_; }
  bool AlignToBand() const { return alignToBand_; }
  void SetAlignToBand(bool alignToBand);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }

  // Run-time fields.
  TQRCustomReport* OwnerReport = nullptr;
  bool IsPrinting = false;
  bool PrintFinished = true;
  TQRPrinter* QRPrinter = nullptr;
  DeferredBounds Deferred;

  // The operations a printable control overrides, in this order.
  virtual bool ShouldPrint() const;
  virtual void ApplyBandAlignment();
  virtual void BeginPrinting();
  // Draws the control for a band whose top-left is at (offsetX, offsetY)
  // native units on the page. The base draws the frame.
  virtual void PrintAt(int offsetX, int offsetY);
  // Kind 2: the parent band was resized; kind 0: the aggregate step.
  virtual void Notify(Component* sender, int kind);
  virtual void SetAlignment(TAlignment alignment);
  virtual void EndPrinting();
  // Height in screen pixels the current content needs; the base leaves it.
  virtual void GetContentHeight(double& height);
  virtual void GetPrintText(std::string& text);

  void SetParent(Control* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

 protected:
  void Notification(Component* removed) override;

 private:
  std::unique_ptr<TQRPrintableSize> size_;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool alignToBand_ = false;
  bool transparent_ = false;
  bool aligning_ = false;
};

// The pixel size of a new printable control.
inline constexpr int kNewPrintablePixels = 10;

}  // namespace qr
