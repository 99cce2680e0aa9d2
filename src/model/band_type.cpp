#include "model/band_type.h"

#include <array>

namespace qr {
namespace {

struct BandTypeRow {
  std::string_view name;
  std::string_view caption;
  std::string_view prefix;
};

constexpr std::array<BandTypeRow, kBandTypeCount> kBandTypes = {{
    {"rbTitle", "Title", "TitleBand"},
    {"rbPageHeader", "Page Header", "PageHeaderBand"},
    {"rbDetail", "Detail", "DetailBand"},
    {"rbPageFooter", "Page Footer", "PageFooterBand"},
    {"rbSummary", "Summary", "SummaryBand"},
    {"rbGroupHeader", "Group Header", "GroupHeaderBand"},
    {"rbGroupFooter", "Group Footer", "GroupFooterBand"},
    {"rbSubDetail", "Sub Detail", "SubDetailBand"},
    {"rbColumnHeader", "Column Header", "ColumnHeaderBand"},
    {"rbOverlay", "Overlay", "OverlayBand"},
    {"rbChild", "Child", "ChildBand"},
}};

}  // namespace

std::string_view BandTypeName(TQRBandType type) {
  return kBandTypes[static_cast<int>(type)].name;
}
std::string_view BandCaption(TQRBandType type) {
  return kBandTypes[static_cast<int>(type)].caption;
}
std::string_view BandNamePrefix(TQRBandType type) {
  return kBandTypes[static_cast<int>(type)].prefix;
}

std::optional<TQRBandType> BandTypeNamed(std::string_view name) {
  for (int i = 0; i < kBandTypeCount; ++i)
    if (kBandTypes[i].name == name) return static_cast<TQRBandType>(i);
  return std::nullopt;
}

}  // namespace qr
