#include "print/printer_settings.h"

namespace qr {
namespace {

constexpr std::array<std::string_view, 14> kBinNames = {
    "First", "Upper",   "Lower",       "Middle",      "Manual",        "Envelope", "EnvManual",
    "Auto",  "Tractor", "SmallFormat", "LargeFormat", "LargeCapacity", "Cassette", "Last"};

}  // namespace

std::string_view BinName(TQRBin bin) {
  return kBinNames[static_cast<int>(bin)];
}

std::optional<TQRBin> BinNamed(std::string_view name) {
  for (size_t i = 0; i < kBinNames.size(); ++i)
    if (kBinNames[i] == name) return static_cast<TQRBin>(i);
  return std::nullopt;
}

}  // namespace qr
