#pragma once

#include <optional>

namespace qr {

// Paper sizes by their device paper codes.
enum TQRPaperSize {
  Default,
  Letter,
  LetterSmall,
  Tabloid,
  Ledger,
  Legal,
  Statement,
  Executive,
  A3,
  A4,
  A4Small,
  A5,
  B4,
  B5,
  Folio,
  Quarto,
  qr10X14,
  qr11X17,
  Note,
  Env9,
  Env10,
  Env11,
  Env12,
  Env14,
  CSheet,
  DSheet,
  ESheet,
  EnvDL,
  EnvC5,
  EnvC3,
  EnvC4,
  EnvC6,
  EnvC65,
  EnvB4,
  EnvB5,
  EnvB6,
  EnvItaly,
  EnvMonarch,
  EnvPersonal,
  FanfoldUSStd,
  FanfoldGerStd,
  FanfoldGerLegal,
  B4ISO,
  PostcardJap,
  qr9X11,
  qr10X11,
  qr15X11,
  EnvInvite,
  Reserved1,
  Reserved2,
  LetterExtra,
  LegalExtra,
  TabloidExtra,
  A4Extra,
  LetterTrans,
  A4Trans,
  LetterExtraTrans,
  SuperASuperAA4,
  SuperBSuperBA3,
  LetterPlus,
  A4Plus,
  A5Trans,
  B5Trans,
  A3Extra,
  A5Extra,
  B5Extra,
  A2,
  A3Trans,
  A3ExtraTrans,
  Custom
};

enum TPrinterOrientation { poPortrait, poLandscape };

struct PaperDimension {
  double widthMm = 0;
  double lengthMm = 0;
};

// Width and length in millimetres as the paper is fed (portrait); nothing for
// Default and Custom.
std::optional<PaperDimension> PaperDimensions(TQRPaperSize size);

struct DetectedPaper {
  TQRPaperSize size;
  TPrinterOrientation orientation;
};

// The paper a page of the given size in 0.1 mm was laid out for, compared in
// whole units of 4 mm over the sizes Letter to ESheet; a later size in the
// table wins over an earlier equal one, and a landscape match over a portrait
// one of the same size. Nothing when none matches.
std::optional<DetectedPaper> DetectPaper(long double widthNative, long double lengthNative);

}  // namespace qr
