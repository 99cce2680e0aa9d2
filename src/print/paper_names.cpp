#include "print/paper_names.h"

#include <array>

namespace qr {
namespace {

constexpr std::array<std::string_view, kPaperSizeCount> kPaperNames = {
    "Default",
    "Letter",
    "LetterSmall",
    "Tabloid",
    "Ledger",
    "Legal",
    "Statement",
    "Executive",
    "A3",
    "A4",
    "A4Small",
    "A5",
    "B4",
    "B5",
    "Folio",
    "Quarto",
    "qr10X14",
    "qr11X17",
    "Note",
    "Env9",
    "Env10",
    "Env11",
    "Env12",
    "Env14",
    "CSheet",
    "DSheet",
    "ESheet",
    "EnvDL",
    "EnvC5",
    "EnvC3",
    "EnvC4",
    "EnvC6",
    "EnvC65",
    "EnvB4",
    "EnvB5",
    "EnvB6",
    "EnvItaly",
    "EnvMonarch",
    "EnvPersonal",
    "FanfoldUSStd",
    "FanfoldGerStd",
    "FanfoldGerLegal",
    "B4ISO",
    "PostcardJap",
    "qr9X11",
    "qr10X11",
    "qr15X11",
    "EnvInvite",
    "Reserved1",
    "Reserved2",
    "LetterExtra",
    "LegalExtra",
    "TabloidExtra",
    "A4Extra",
    "LetterTrans",
    "A4Trans",
    "LetterExtraTrans",
    "SuperASuperAA4",
    "SuperBSuperBA3",
    "LetterPlus",
    "A4Plus",
    "A5Trans",
    "B5Trans",
    "A3Extra",
    "A5Extra",
    "B5Extra",
    "A2",
    "A3Trans",
    "A3ExtraTrans",
    "Custom",
};

}  // namespace

std::string_view PaperSizeName(TQRPaperSize size) {
  const int ordinal = static_cast<int>(size);
  return ordinal >= 0 && ordinal < kPaperSizeCount ? kPaperNames[ordinal] : "Default";
}

std::optional<TQRPaperSize> PaperSizeNamed(std::string_view name) {
  for (int i = 0; i < kPaperSizeCount; ++i)
    if (kPaperNames[i] == name) return static_cast<TQRPaperSize>(i);
  return std::nullopt;
}

}  // namespace qr
