#include "platform/text_measurer.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "platform/font_resolver.h"

namespace qr {
namespace {

CanvasFont Font(const char* face, double points, int weight = 400) {
  CanvasFont font;
  font.faceName = face;
  font.pixelHeight = CanvasFont::PixelHeightForPoints(points, 96);
  font.weight = weight;
  return font;
}

TEST(Fonts, ClassicFacesResolveToTheirMetricCompatibleFaces) {
  // Without the Liberation fonts these silently become a wider face and every
  // layout changes.
  EXPECT_EQ(ResolvedFamily("Times New Roman"), "Liberation Serif");
  EXPECT_EQ(ResolvedFamily("Arial"), "Liberation Sans");
}

TEST(TextMeasurer, MeasuresTheReferenceFontAsTheScreenDoes) {
  const CanvasFont times = Font("Times New Roman", 8);
  EXPECT_EQ(times.pixelHeight, 11);
  const FontMetrics metrics = TextMeasurer::Metrics(times);
  EXPECT_EQ(metrics.ascent, 10);
  EXPECT_EQ(metrics.descent, 2);
  EXPECT_NEAR(TextMeasurer::Width(times, "CODIGO"), 42.73, 0.005);
  EXPECT_NEAR(TextMeasurer::Width(times, "W"), 10.375, 0.0005);
  EXPECT_EQ(TextMeasurer::Extent(times, "CODIGO"), (Size{43, 12}));
}

TEST(TextMeasurer, AgreesWithUnkernedQtMeasurement) {
  struct Case {
    const char* face;
    double points;
    int weight;
    const char* text;
  };
  const Case cases[] = {
      {"Arial", 8, 400, "PRES1 MEN"},
      {"Arial", 10, 700, "AVa WAVE To"},  // kerning pairs that must stay unkerned
      {"Times New Roman", 12, 400, "Código 12.50"},
      {"Times New Roman", 9, 700, "DESCRIPCION"},
      {"Arial", 7, 400, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const CanvasFont font = Font(c.face, c.points, c.weight);
    QFont qfont = ToQFont(font, 0);
    qfont.setPixelSize(static_cast<int>(font.pixelHeight));
    const QFontMetricsF qtMetrics(qfont);
    EXPECT_NEAR(TextMeasurer::Width(font, c.text),
                qtMetrics.horizontalAdvance(QString::fromUtf8(c.text)), 0.01);
  }
}

TEST(TextMeasurer, ReturnsOneAdvancePerUtf16Unit) {
  const CanvasFont font = Font("Arial", 10);
  const std::u16string text = u"Ab\U0001F600c";
  std::vector<double> advances(text.size());
  TextMeasurer::Advances(font, text, advances.data());
  EXPECT_NEAR(advances[0], TextMeasurer::Width(font, "A"), 1e-9);
  EXPECT_EQ(advances[3], 0);  // second unit of the pair
  EXPECT_NEAR(advances[4], TextMeasurer::Width(font, "c"), 1e-9);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  const std::pair<double, int> cases[] = {{0.5, 0},   {1.5, 2},  {2.5, 2}, {-0.5, 0},
                                          {-1.5, -2}, {2.49, 2}, {2.51, 3}};
  for (auto [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

}  // namespace
}  // namespace qr
