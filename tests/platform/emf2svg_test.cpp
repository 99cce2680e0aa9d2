// Pages we record must be read the same way by a renderer we did not write:
// Debian's emf2svg-conv. The test is skipped where it is not installed.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"
#include "support/sample_pages.h"
#include "support/temp_dir.h"

namespace qr {
namespace {

struct PlacedText {
  std::string text;
  double x = 0;
  double y = 0;
  std::string anchor;  // SVG's name for the horizontal alignment
};

// Collects the texts of a page as our player places them.
class TextCollector : public DumpCanvas {
 public:
  std::vector<PlacedText> texts;

  void SetFont(const CanvasFont& font) override { height_ = font.pixelHeight; }
  void SetTextAlign(HorizontalAlign horizontal, VerticalAlign vertical) override {
    horizontal_ = horizontal;
    vertical_ = vertical;
  }
  void TextOut(int x, int y, const std::string& text) override {
    static const char* const anchors[] = {"start", "end", "middle"};
    // emf2svg places top-aligned text with its baseline at 0.9 of the font size.
    const double baseline = vertical_ == VerticalAlign::Top ? y + 0.9 * height_ : y;
    texts.push_back({text, double(x), baseline, anchors[static_cast<int>(horizontal_)]});
  }

 private:
  double height_ = 0;
  HorizontalAlign horizontal_ = HorizontalAlign::Left;
  VerticalAlign vertical_ = VerticalAlign::Top;
};

std::vector<PlacedText> SvgTexts(const std::string& svg) {
  static const std::regex element(
      R"re(<text[^>]*text-anchor="(\w+)" x="([-\d.]+)" y="([-\d.]+)"[^>]*><!\[CDATA\[(.*?)\]\]></text>)re");
  std::vector<PlacedText> texts;
  for (std::sregex_iterator it(svg.begin(), svg.end(), element), end; it != end; ++it)
    texts.push_back({(*it)[4], std::stod((*it)[2]), std::stod((*it)[3]), (*it)[1]});
  return texts;
}

std::string RenderWithEmf2Svg(const Metafile& page, const qrtest::TempDir& dir) {
  const std::string emfPath = dir.File("page.emf"), svgPath = dir.File("page.svg");
  std::ofstream(emfPath, std::ios::binary)
      .write(reinterpret_cast<const char*>(page.Bytes().data()), page.ByteCount());
  QProcess converter;
  converter.start("emf2svg-conv",
                  {"-i", QString::fromStdString(emfPath), "-o", QString::fromStdString(svgPath)});
  EXPECT_TRUE(converter.waitForFinished(30000));
  EXPECT_EQ(converter.exitCode(), 0) << converter.readAllStandardError().toStdString();
  std::stringstream svg;
  svg << std::ifstream(svgPath).rdbuf();
  return svg.str();
}

TEST(Emf2Svg, ShowsTheSameTextsAtTheSamePlaces) {
  if (QStandardPaths::findExecutable("emf2svg-conv").isEmpty())
    GTEST_SKIP() << "emf2svg-conv is not installed";
  struct Case {
    const char* name;
    Metafile page;
  };
  const Case cases[] = {
      {"shapes", qrtest::RecordShapesPage()},
      {"price-list", qrtest::RecordPriceListPage(7, 100)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qrtest::TempDir dir;
    TextCollector ours;
    PlayMetafile(c.page, ours);
    const std::vector<PlacedText> theirs = SvgTexts(RenderWithEmf2Svg(c.page, dir));
    ASSERT_EQ(theirs.size(), ours.texts.size());
    for (std::size_t i = 0; i < theirs.size(); ++i) {
      SCOPED_TRACE(ours.texts[i].text);
      EXPECT_EQ(theirs[i].text, ours.texts[i].text);
      EXPECT_EQ(theirs[i].anchor, ours.texts[i].anchor);
      EXPECT_NEAR(theirs[i].x, ours.texts[i].x, 0.01);
      EXPECT_NEAR(theirs[i].y, ours.texts[i].y, 0.01);
    }
  }
}

}  // namespace
}  // namespace qr
