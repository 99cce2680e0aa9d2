#pragma once

#include <optional>
#include <string_view>

namespace qr {

// Paper sizes by their ordinals: 0 Default, 1 Letter ... 68 A3ExtraTrans, 69 Custom.
enum class TQRPaperSize : int { Default = 0, Letter = 1, A4 = 9, Note = 18, Custom = 69 };

inline constexpr int kPaperSizeCount = 70;

struct PaperDimension {
  double widthMM;
  double lengthMM;
};

// The dimensions of sizes 1..68; nothing for Default and Custom.
std::optional<PaperDimension> PaperDimensions(TQRPaperSize size);
std::string_view PaperSizeName(TQRPaperSize size);
// The size of a name ("Letter", "qr10X14"); nothing for an unknown name.
std::optional<TQRPaperSize> PaperSizeNamed(std::string_view name);

}  // namespace qr
