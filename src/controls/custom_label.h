#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/printable.h"

namespace qr {

// Right-to-left modes. Only bdRightToLeft mirrors the alignment; the page
// canvas draws every text in its own reading order.
enum class TBiDiMode {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};

// The text controls' common base: a caption broken into lines that sizes
// itself, aligns its lines and may stretch its band.
//
// Line building measures in screen pixels at the report's zoom, so a text
// breaks the same way on every output; drawing converts native units (0.1 mm)
// to the dots of the control's QRPrinter.
class TQRCustomLabel : public TQRPrintable {
 public:
  explicit TQRCustomLabel(Component* owner);

  bool AutoSize = true;
  bool AutoStretch = false;
  bool WordWrap = true;
  TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
  // May change the text of one print; the next print starts from the old text.
  std::function<void(Component& sender, std::string& value)> OnPrint;

  const std::string& Caption() const { return caption_; }
  // Sets the caption and the print text and rebuilds the lines.
  virtual void SetCaption(const std::string& caption);
  const std::string& PrintText() const { return printText_; }
  // The font's point size, as definitions store it beside the font.
  int FontSize() const { return Font().Size(); }
  // A stored size above 0 is applied to the font once the definition is loaded.
  void SetStoredFontSize(int points) { storedFontSize_ = points; }

  void SetName(std::string name) override;
  void SetFont(const ReportFont& font) override;
  void SetParent(Control* parent) override;
  void Loaded() override;

  void BeginPrinting() override;
  // Draws the lines with the band's top-left at (offsetX, offsetY) native
  // units; a stretched control continues from NextLine while PrintFinished is
  // false.
  void PrintAt(int offsetX, int offsetY) override;

  // False for a control that prints SourceLines (memo mode) instead.
  virtual bool UsesPrintText() const { return true; }
  // Fills FormattedLines from the print text (or SourceLines) and, with
  // AutoSize, sizes the control to its longest line.
  virtual void BuildLines();
  // Appends the lines of `text` to FormattedLines: carriage returns start new
  // lines, line feeds are dropped, and without AutoSize words are wrapped to
  // the control's width.
  void BreakText(std::string text);

  // Alignment, mirrored when the control uses right-to-left alignment.
  TAlignment EffectiveAlignment() const;
  virtual bool UseRightToLeftAlignment() const;

  // Width of `text` and height of one line in screen pixels at the report's
  // zoom, as line building measures them.
  int TextWidth(const std::string& text) const;
  int LineHeight() const;

  // Line state kept by the line builder and the renderer.
  std::vector<std::string> SourceLines;
  std::vector<std::string> FormattedLines;
  int NextLine = 0;
  bool Formatted = false;

 protected:
  void SetPrintText(const std::string& text) { printText_ = text; }
  // The line renderer shared by the text controls. Lengths in native units;
  // `stretch` lets lines that do not fit grow the parent band.
  void RenderLines(double left, double top, double width, double height, double lineHeight,
                   bool stretch);

 private:
  void FitWord(std::string word);
  void AutoSizeWidth();
  void RaiseHeightToOneLine();
  // Selects the font on the page canvas; returns the height of a line in native units.
  double SelectFont();
  // Where the renderer stands, in native units: the text box (after the frame
  // inset), the next line's top, the lowest line bottom allowed and the band
  // stretch obtained in this print.
  struct LinePlacement {
    double left, top, width, height, lineHeight;
    bool stretch;
    double y, bottom;
    double stretched = 0;
    bool started = false;
  };
  bool LineFits(LinePlacement& place);
  void FillBackground(double left, double top, double right, double bottom);

  std::string caption_;
  std::string printText_;
  int storedFontSize_ = 0;
  // Set while BuildLines changes the control's own size.
  bool sizing_ = false;
  // BreakText's line in progress, and whether the rest of the text is dropped.
  std::string currentLine_;
  bool lineFinished_ = false;
};

}  // namespace qr
