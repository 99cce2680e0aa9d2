#pragma once

#include <optional>
#include <string_view>

namespace qr {

enum class TQRBandType {
  rbTitle,
  rbPageHeader,
  rbDetail,
  rbPageFooter,
  rbSummary,
  rbGroupHeader,
  rbGroupFooter,
  rbSubDetail,
  rbColumnHeader,
  rbOverlay,
  rbChild,
};

inline constexpr int kBandTypeCount = 11;

std::string_view BandTypeName(TQRBandType type);    // "rbDetail"
std::string_view BandCaption(TQRBandType type);     // "Detail"
std::string_view BandNamePrefix(TQRBandType type);  // "DetailBand"
std::optional<TQRBandType> BandTypeNamed(std::string_view name);

}  // namespace qr
