#pragma once

#include <optional>
#include <string_view>

#include "pages/paper_size.h"

namespace qr {

inline constexpr int kPaperSizeCount = Custom + 1;

// The names definitions use for paper sizes ("Letter", "qr10X14").
std::string_view PaperSizeName(TQRPaperSize size);
// The size of a name; nothing for an unknown name.
std::optional<TQRPaperSize> PaperSizeNamed(std::string_view name);

}  // namespace qr
