#include "controls/custom_label.h"

#include <algorithm>

#include "model/report.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr int kFullZoom = 100;

// Length of the UTF-8 character that starts with `lead`.
std::size_t CharacterLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Removes the last whole UTF-8 character of `text`.
void DropLastCharacter(std::string& text) {
  std::size_t end = text.size();
  while (end > 0 && (static_cast<unsigned char>(text[end - 1]) & 0xC0) == 0x80) --end;
  text.resize(end > 0 ? end - 1 : 0);
}

bool EndsWord(char c) {
  return c == ' ' || c == '-' || c == '\r';
}

}  // namespace

TQRCustomLabel::TQRCustomLabel(Component* owner) : TQRPrintable(owner) {}

void TQRCustomLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  printText_ = caption;
  Formatted = false;
  BuildLines();
}

void TQRCustomLabel::SetName(std::string name) {
  // A caption that showed the old name (or nothing) follows the new one.
  const bool followName = caption_.empty() || caption_ == Name();
  TQRPrintable::SetName(name);
  if (followName) SetCaption(name);
}

void TQRCustomLabel::SetFont(const ReportFont& font) {
  TQRPrintable::SetFont(font);
  Formatted = false;
  BuildLines();
}

void TQRCustomLabel::SetParent(Control* parent) {
  TQRPrintable::SetParent(parent);
  BuildLines();
}

// A loaded control keeps the size stored with it; its lines are built (and
// an automatic size applied) when it is next changed or printed.
void TQRCustomLabel::Loaded() {
  TQRPrintable::Loaded();
  if (storedFontSize_ > 0) {
    ReportFont font = Font();
    font.SetSize(storedFontSize_);
    TQRPrintable::SetFont(font);
  }
}

void TQRCustomLabel::BeginPrinting() {
  TQRPrintable::BeginPrinting();
  SetCaption(caption_);
}

TAlignment TQRCustomLabel::EffectiveAlignment() const {
  if (!UseRightToLeftAlignment()) return Alignment();
  switch (Alignment()) {
    case TAlignment::taLeftJustify:
      return TAlignment::taRightJustify;
    case TAlignment::taRightJustify:
      return TAlignment::taLeftJustify;
    default:
      return TAlignment::taCenter;
  }
}

bool TQRCustomLabel::UseRightToLeftAlignment() const {
  return BiDiMode == TBiDiMode::bdRightToLeft;
}

int TQRCustomLabel::TextWidth(const std::string& text) const {
  if (!OwnerReport)
    return TextMeasurer::Extent(Font().ToCanvasFont(ReferencePixelsPerInch()), text).width;
  return OwnerReport->MeasureTextWidth(Font(), text) * OwnerReport->Zoom() / kFullZoom;
}

int TQRCustomLabel::LineHeight() const {
  if (!OwnerReport)
    return TextMeasurer::Metrics(Font().ToCanvasFont(ReferencePixelsPerInch())).Height();
  return OwnerReport->MeasureTextHeight(Font(), "W") * OwnerReport->Zoom() / kFullZoom + 1;
}

void TQRCustomLabel::BuildLines() {
  // Fonts and sizes are not final while a definition is read; Loaded builds.
  if (IsLoading()) return;
  if (!Parent()) {
    Formatted = true;
    return;
  }
  FormattedLines.clear();
  if (UsesPrintText()) {
    BreakText(printText_);
    if (OwnerReport && !sizing_) RaiseHeightToOneLine();
  } else if (!SourceLines.empty()) {
    if (AutoSize)
      FormattedLines = SourceLines;
    else
      for (const std::string& line : SourceLines) BreakText(line);
  }
  if (AutoSize && OwnerReport && !sizing_) AutoSizeWidth();
  Formatted = true;
}

void TQRCustomLabel::RaiseHeightToOneLine() {
  const int lineHeight = LineHeight();
  if (Height() < lineHeight) SetHeight(lineHeight);
}

// Grows or shrinks the control to its longest line. A right-aligned control
// keeps its right edge, a centred one its middle.
void TQRCustomLabel::AutoSizeWidth() {
  int newWidth = 0;
  for (const std::string& line : FormattedLines) newWidth = std::max(newWidth, TextWidth(line));
  if (Frame.DrawLeft) newWidth += Frame.Width;
  if (Frame.DrawRight) newWidth += Frame.Width;
  sizing_ = true;
  const int growth = Width() - newWidth;
  switch (EffectiveAlignment()) {
    case TAlignment::taRightJustify:
      SetBounds(Left() + growth, Top(), newWidth, Height());
      break;
    case TAlignment::taCenter:
      SetBounds(Left() + growth / 2, Top(), newWidth, Height());
      break;
    default:
      SetWidth(newWidth);
      break;
  }
  RaiseHeightToOneLine();
  sizing_ = false;
}

void TQRCustomLabel::BreakText(std::string text) {
  std::erase(text, '\n');
  if (const auto cr = text.find('\r'); cr != std::string::npos) {
    BreakText(text.substr(0, cr));
    BreakText(text.substr(cr + 1));
    return;
  }
  currentLine_.clear();
  lineFinished_ = false;
  if (AutoSize) {
    currentLine_ = text;
  } else {
    std::size_t start = 0;
    while (start < text.size() && !lineFinished_) {
      std::size_t end = start;
      while (end < text.size() && !EndsWord(text[end])) ++end;
      end = std::min(end + 1, text.size());
      FitWord(text.substr(start, end - start));
      start = end;
    }
  }
  if (!lineFinished_) FormattedLines.push_back(currentLine_);
}

// Adds one word (with its trailing space or hyphen) to the line in progress,
// starting a new line when it does not fit. A word wider than the control is
// cut to what fits. Without WordWrap the first full line ends the text.
void TQRCustomLabel::FitWord(std::string word) {
  const int width = Width();
  if (TextWidth(currentLine_ + word) <= width) {
    currentLine_ += word;
    return;
  }
  if (currentLine_.empty()) {
    std::size_t taken = 0;
    while (taken < word.size()) {
      const std::size_t length = CharacterLength(static_cast<unsigned char>(word[taken]));
      if (TextWidth(currentLine_ + word.substr(taken, length)) >= width) break;
      currentLine_ += word.substr(taken, length);
      taken += length;
    }
    word.clear();
  }
  FormattedLines.push_back(currentLine_);
  currentLine_.clear();
  if (TextWidth(word) > width) {
    if (width > 0)
      while (!word.empty() && TextWidth(word) > width) DropLastCharacter(word);
    else
      word.clear();
    FormattedLines.push_back(word);
    word.clear();
  }
  if (!WordWrap) {
    word.clear();
    lineFinished_ = true;
  }
  currentLine_ += word;
}

}  // namespace qr
