#include "pages/printer_settings.h"

#include "platform/rounding.h"

namespace qr {
namespace {

constexpr double kNativePerMm = 10;

// Width and length in 0.1 mm as the paper is fed.
std::pair<std::int32_t, std::int32_t> PortraitSize(const TPrinterSettings& settings) {
  if (const auto paper = PaperDimensions(settings.PaperSize))
    return {RoundHalfEven(paper->widthMm * kNativePerMm),
            RoundHalfEven(paper->lengthMm * kNativePerMm)};
  return {settings.CustomPaperWidth, settings.CustomPaperLength};
}

}  // namespace

std::int32_t TPrinterSettings::PaperWidth() const {
  const auto [width, length] = PortraitSize(*this);
  return Orientation == poLandscape ? length : width;
}

std::int32_t TPrinterSettings::PaperLength() const {
  const auto [width, length] = PortraitSize(*this);
  return Orientation == poLandscape ? width : length;
}

}  // namespace qr
