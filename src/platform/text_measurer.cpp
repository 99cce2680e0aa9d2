#include "platform/text_measurer.h"

#include <QRawFont>
#include <QString>
#include <array>
#include <atomic>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "platform/font_resolver.h"

namespace qr {
namespace {

std::atomic<int> referencePixelsPerInch{96};

// The raw font of one face, weight, slant and pixel height with the advances
// looked up so far. Latin-1 characters, by far the most common in reports, sit
// in a flat table.
class FontEntry {
 public:
  explicit FontEntry(const CanvasFont& font) {
    QFont qfont = ToQFont(font, 0);
    qfont.setPixelSize(100);  // any size: the raw font is rescaled below
    raw_ = QRawFont::fromFont(qfont);
    raw_.setPixelSize(font.pixelHeight);
    latin_.fill(-1);
    metrics_.ascent = static_cast<int>(std::lround(raw_.ascent()));
    metrics_.descent = static_cast<int>(std::lround(raw_.descent()));
  }

  const FontMetrics& Metrics() const { return metrics_; }

  double Advance(char32_t character) {
    if (character < latin_.size()) {
      double& cached = latin_[character];
      if (cached < 0) cached = LookUp(character);
      return cached;
    }
    auto found = others_.find(character);
    if (found != others_.end()) return found->second;
    return others_[character] = LookUp(character);
  }

 private:
  double LookUp(char32_t character) const {
    const QString text = QString::fromUcs4(&character, 1);
    const QList<quint32> glyphs = raw_.glyphIndexesForString(text);
    double sum = 0;
    for (const QPointF& advance : raw_.advancesForGlyphIndexes(glyphs)) sum += advance.x();
    return sum;
  }

  QRawFont raw_;
  FontMetrics metrics_;
  std::array<double, 256> latin_{};
  std::unordered_map<char32_t, double> others_;
};

using FontKey = std::tuple<std::string, double, int, bool>;

FontEntry& EntryFor(const CanvasFont& font) {
  // Raw fonts must not be shared between threads, so each keeps its own.
  thread_local std::map<FontKey, std::unique_ptr<FontEntry>> entries;
  thread_local FontKey lastKey;
  thread_local FontEntry* last = nullptr;
  FontKey key{font.faceName, font.pixelHeight, font.weight, font.italic};
  if (last && key == lastKey) return *last;
  std::unique_ptr<FontEntry>& entry = entries[key];
  if (!entry) entry = std::make_unique<FontEntry>(font);
  lastKey = std::move(key);
  last = entry.get();
  return *entry;
}

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

}  // namespace

std::u16string_view::size_type TextMeasurer::Advances(const CanvasFont& font,
                                                      std::u16string_view text, double* advances) {
  FontEntry& entry = EntryFor(font);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t character = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      character = 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      advances[i] = entry.Advance(character);
      advances[++i] = 0;
      continue;
    }
    advances[i] = entry.Advance(character);
  }
  return text.size();
}

double TextMeasurer::Width(const CanvasFont& font, std::string_view text) {
  FontEntry& entry = EntryFor(font);
  double width = 0;
  bool plainAscii = true;
  for (char byte : text) plainAscii = plainAscii && static_cast<unsigned char>(byte) < 0x80;
  if (plainAscii) {
    for (char byte : text) width += entry.Advance(static_cast<unsigned char>(byte));
    return width;
  }
  const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (char32_t character : decoded.toUcs4()) width += entry.Advance(character);
  return width;
}

FontMetrics TextMeasurer::Metrics(const CanvasFont& font) {
  return EntryFor(font).Metrics();
}

Size TextMeasurer::Extent(const CanvasFont& font, std::string_view text) {
  return Size{RoundHalfEven(Width(font, text)), Metrics(font).Height()};
}

int ReferencePixelsPerInch() {
  return referencePixelsPerInch.load();
}

void SetReferencePixelsPerInch(int pixelsPerInch) {
  referencePixelsPerInch = pixelsPerInch;
}

double CanvasFont::PixelHeightForPoints(double points, int pixelsPerInch) {
  return std::round(points * pixelsPerInch / 72.0);
}

}  // namespace qr
