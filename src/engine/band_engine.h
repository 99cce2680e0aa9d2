#pragma once

#include <functional>

#include "model/report.h"

namespace qr {

class TQRPrinter;

// Composes the pages of one report run: keeps the print cursor, decides
// whether a band fits, starts columns and pages with their headers and
// footers, lets each band's controls draw at the cursor and lets bands
// stretch and continue on the next column or page. Positions are native
// units (0.1 mm) from the paper's top-left corner; the report's QRPrinter
// turns them into device dots and records the pages.
class BandEngine : public BandStretcher {
 public:
  explicit BandEngine(TQRCustomReport& report) : report_(report) {}

  // Sets the run fields for a new run: no page yet, the last column current
  // so that the first band starts page 1, the page-footer room measured.
  void StartRun();

  // The single entry for printing a band (null: nothing).
  void OutputBand(TQRCustomBand* band);
  void StartNextColumn();
  void StartNewPage();
  void FinishPage();
  void PrintPageDecorations();
  double MeasureFooterReserve() const;
  void BreakToNewPage();
  void BreakToNewColumn();
  // Native units left on the page above the footer room; 0 before the first page.
  int SpaceLeft() const;

  // Band operations.
  void Output(TQRCustomBand& band);
  void EnsureRoom(TQRCustomBand& band);
  double HeightWithLinks(const TQRCustomBand& band, bool includeLinks) const;
  double MeasureContentHeight(TQRCustomBand& band) const;
  void AdvanceCursor(TQRCustomBand& band);
  bool CanStretch(TQRCustomBand& band, double amount) override;
  bool StretchBy(TQRCustomBand& band, double amount, double& newHeight, bool& done) override;

  bool PageBreakByDetail = false;

  // What the data controllers do when the engine asks: step the aggregates
  // of a band's controller, and print the group headers again at the top of
  // a new column or page. Set by the run; nothing happens while unset.
  std::function<void(TQRCustomController& controller)> StepAggregates;
  std::function<void()> ReprintGroupHeaders;

 private:
  TQRPrinter& Printer() const;
  // Paper length and width of the run, as the paper is fed (portrait).
  double PaperLength() const;
  double PaperWidth() const;
  bool Landscape() const;
  double PageNative(TQRPage::Index index) const { return report_.Page().Native(index); }
  TQRCustomBand* BandOfIndex(int index) const { return report_.Bands().BandOfIndex(index); }
  void PlaceBand(TQRCustomBand& band);
  void PrintControls(TQRCustomBand& band);
  Rect BandRect(const TQRCustomBand& band, double height) const;
  void AssignPageNumber();
  void AssignColumnNumber();

  TQRCustomReport& report_;
};

}  // namespace qr
