#include "print/paper_size.h"

#include <array>

namespace qr {
namespace {

struct PaperRow {
  std::string_view name;
  double width;
  double length;
};

constexpr std::array<PaperRow, kPaperSizeCount> kPapers = {{
    {"Default", 0, 0},
    {"Letter", 215.9, 279.4},
    {"LetterSmall", 215.9, 279.4},
    {"Tabloid", 279.4, 431.8},
    {"Ledger", 431.8, 279.4},
    {"Legal", 215.9, 355.6},
    {"Statement", 139.7, 215.9},
    {"Executive", 190.5, 254},
    {"A3", 297, 420},
    {"A4", 210, 297},
    {"A4Small", 210, 297},
    {"A5", 148, 210},
    {"B4", 250, 354},
    {"B5", 182, 257},
    {"Folio", 215.9, 330.2},
    {"Quarto", 215, 275},
    {"qr10X14", 254, 355.6},
    {"qr11X17", 279.4, 431.8},
    {"Note", 215.9, 279.4},
    {"Env9", 98.43, 225.4},
    {"Env10", 104.8, 241.3},
    {"Env11", 114.3, 263.5},
    {"Env12", 120.7, 279.4},
    {"Env14", 127, 292.1},
    {"CSheet", 431.8, 558.8},
    {"DSheet", 558.8, 863.6},
    {"ESheet", 863.6, 1117.6},
    {"EnvDL", 110, 220},
    {"EnvC5", 162, 229},
    {"EnvC3", 324, 458},
    {"EnvC4", 229, 324},
    {"EnvC6", 114, 162},
    {"EnvC65", 114, 229},
    {"EnvB4", 250, 353},
    {"EnvB5", 176, 250},
    {"EnvB6", 176, 125},
    {"EnvItaly", 110, 230},
    {"EnvMonarch", 98.43, 190.5},
    {"EnvPersonal", 92.01, 165.1},
    {"FanfoldUSStd", 377.8, 279.4},
    {"FanfoldGerStd", 215.9, 304.8},
    {"FanfoldGerLegal", 215.9, 330.2},
    {"B4ISO", 250, 353},
    {"PostcardJap", 100, 148},
    {"qr9X11", 228.6, 279.4},
    {"qr10X11", 254, 279.4},
    {"qr15X11", 381, 279.4},
    {"EnvInvite", 220, 220},
    {"Reserved1", 100, 100},
    {"Reserved2", 100, 100},
    {"LetterExtra", 241.3, 304.8},
    {"LegalExtra", 241.3, 381},
    {"TabloidExtra", 296.9, 457.2},
    {"A4Extra", 236, 322},
    {"LetterTrans", 279.4, 215.9},
    {"A4Trans", 297, 210},
    {"LetterExtraTrans", 304.8, 241.3},
    {"SuperASuperAA4", 227, 356},
    {"SuperBSuperBA3", 305, 487},
    {"LetterPlus", 215.9, 322.3},
    {"A4Plus", 210, 330},
    {"A5Trans", 210, 148},
    {"B5Trans", 257, 182},
    {"A3Extra", 322, 445},
    {"A5Extra", 174, 235},
    {"B5Extra", 201, 276},
    {"A2", 420, 594},
    {"A3Trans", 420, 297},
    {"A3ExtraTrans", 445, 322},
    {"Custom", 0, 0},
}};

}  // namespace

std::optional<PaperDimension> PaperDimensions(TQRPaperSize size) {
  const int ordinal = static_cast<int>(size);
  if (ordinal <= 0 || ordinal >= static_cast<int>(TQRPaperSize::Custom)) return std::nullopt;
  return PaperDimension{kPapers[ordinal].width, kPapers[ordinal].length};
}

std::string_view PaperSizeName(TQRPaperSize size) {
  const int ordinal = static_cast<int>(size);
  return ordinal >= 0 && ordinal < kPaperSizeCount ? kPapers[ordinal].name : "Default";
}

std::optional<TQRPaperSize> PaperSizeNamed(std::string_view name) {
  for (int i = 0; i < kPaperSizeCount; ++i)
    if (kPapers[i].name == name) return static_cast<TQRPaperSize>(i);
  return std::nullopt;
}

}  // namespace qr
