#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/printable.h"

namespace qr {

// The text controls' common base: a caption broken into lines that sizes
// itself, aligns its lines and may stretch its band.
class TQRCustomLabel : public TQRPrintable {
 public:
  explicit TQRCustomLabel(Component* owner);

  bool AutoSize = true;
  bool AutoStretch = false;
  bool WordWrap = true;
  std::function<void(Component& sender, std::string& value)> OnPrint;

  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);
  const std::string& PrintText() const { return printText_; }
  // The font's point size, as definitions store it beside the font.
  int FontSize() const { return Font().Size(); }
  // A stored size above 0 is applied to the font once the definition is loaded.
  void SetStoredFontSize(int points) { storedFontSize_ = points; }

  void SetName(std::string name) override;
  void Loaded() override;

  // Line state kept by the line builder and the renderer.
  std::vector<std::string> SourceLines;
  std::vector<std::string> FormattedLines;
  int NextLine = 0;
  bool Formatted = false;

 protected:
  void SetPrintText(const std::string& text) { printText_ = text; }

 private:
  std::string caption_;
  std::string printText_;
  int storedFontSize_ = 0;
};

}  // namespace qr
