#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "print/paper_names.h"

namespace qr {

// Paper sources by ordinal.
enum class TQRBin {
  First,
  Upper,
  Lower,
  Middle,
  Manual,
  Envelope,
  EnvManual,
  Auto,
  Tractor,
  SmallFormat,
  LargeFormat,
  LargeCapacity,
  Cassette,
  Last,
};

std::string_view BinName(TQRBin bin);
std::optional<TQRBin> BinNamed(std::string_view name);

// What a report asks of the printer: copies, paper source, duplex, page range
// and the raw device values.
struct TQRPrinterSettings {
  int Copies = 1;
  bool Duplex = false;
  int Orientation = 0;  // 0 portrait, 1 landscape; set by the print dialog only
  TQRBin OutputBin = TQRBin::Auto;
  TQRPaperSize PaperSize = TQRPaperSize::Letter;
  int PrinterIndex = -1;  // -1: the default printer
  std::string Title;
  int FirstPage = 0;  // 0: from the first page
  int LastPage = 0;   // 0: to the last page
  bool UseStandardprinter = false;
  int ExtendedDuplex = 0;
  int MemoryLimit = 250000;
  int PrintQuality = 0;
  int Collate = 0;
  int ColorOption = 0;
  bool UseCustomBinCode = false;
  int CustomBinCode = 0;
  bool UseCustomPaperCode = false;
  int CustomPaperCode = 0;
};

// The settings a report definition stores, with the stored-only switch.
struct TQRReportPrinterSettings : TQRPrinterSettings {
  bool PrintMetaFile = false;
};

// Values a definition leaves out for these two fields; every other field is
// left out when it equals its value after construction. A stored print
// quality of 600 is therefore not written and reads back as 0.
inline constexpr int kStoredDefaultMemoryLimit = 250000;
inline constexpr int kStoredDefaultPrintQuality = 600;

}  // namespace qr
