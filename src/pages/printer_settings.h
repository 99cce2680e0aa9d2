#pragma once

#include <cstdint>

#include "pages/paper_size.h"

namespace qr {

// The device-side settings the page store needs: paper, orientation, the
// store's memory limit and the printable-area offsets. The printer side
// extends these with the device's own settings.
struct TPrinterSettings {
  static constexpr std::int32_t kDefaultMemoryLimit = 250000;

  TQRPaperSize PaperSize = Letter;
  TPrinterOrientation Orientation = poPortrait;
  bool UseStandardprinter = false;
  std::int32_t MemoryLimit = kDefaultMemoryLimit;
  // 0.1 mm.
  std::int32_t TopOffset = 0;
  std::int32_t LeftOffset = 0;
  // The size of Custom (and Default) paper, 0.1 mm, portrait.
  std::int32_t CustomPaperWidth = 2159;
  std::int32_t CustomPaperLength = 2794;

  // Paper size in 0.1 mm with the orientation applied.
  std::int32_t PaperWidth() const;
  std::int32_t PaperLength() const;
};

}  // namespace qr
