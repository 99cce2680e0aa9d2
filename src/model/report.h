#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "model/band.h"
#include "model/base_panel.h"
#include "model/controller.h"
#include "model/page.h"
#include "print/printer_settings.h"

namespace qr::expr {
class TQREvEnvironment;
class TQREvElement;
}  // namespace qr::expr

namespace qr {

using expr::TQREvElement;
using expr::TQREvEnvironment;
class TQRPrinter;
class TQRPrintable;
class TQRReportBands;
class TDataSetComponent;

// Report options: the bits a definition stores as a set.
enum TQROption : int { FirstPageHeader = 1, LastPageFooter = 2, Compression = 4 };

enum class TQRZoomState { qrZoomToFit, qrZoomToWidth, qrZoomOther };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// A banded report: its page, its bands in print order, its expression
// environment, its controller and the fields a run keeps.
class TQRCustomReport : public TQRBasePanel {
 public:
  explicit TQRCustomReport(Component* owner);
  ~TQRCustomReport() override;

  // Events.
  std::function<void(Component& sender)> AfterPrint;
  std::function<void(Component& sender)> AfterPreview;
  std::function<void(TQRCustomReport& sender, bool& printReport)> BeforePrint;
  std::function<void(TQRCustomReport& sender)> OnEndPage;
  std::function<void(TQRCustomReport& sender)> OnStartPage;
  std::function<void(Component& sender, bool& moreData)> OnNeedData;
  std::function<void(Component& sender)> OnPreview;

  // Published properties.
  std::string BackImageControl;
  std::vector<std::string> Description;
  int Options = FirstPageHeader | LastPageFooter;
  TQRReportPrinterSettings PrinterSettings;
  std::string ReportTitle;
  bool ShowProgress = true;
  bool SnapToGrid = true;
  TFormStyle PrevFormStyle = TFormStyle::fsNormal;
  TWindowState PreviewInitialState = TWindowState::wsNormal;
  bool PrevShowThumbs = true;
  bool PrevShowSearch = true;
  TQRZoomState PrevInitialZoom = TQRZoomState::qrZoomToFit;

  TQRReportBands& Bands() { return *bands_; }
  TQRPage& Page() { return *page_; }
  TQREvEnvironment& Functions() { return *functions_; }
  TQRController& Controller() { return *controller_; }
  TDataSetComponent* DataSet() const { return controller_->DataSet(); }
  void SetDataSet(TDataSetComponent* dataSet) { controller_->SetDataSet(dataSet); }
  bool PrintIfEmpty() const { return controller_->PrintIfEmpty; }
  virtual void SetPrintIfEmpty(bool printIfEmpty) { controller_->PrintIfEmpty = printIfEmpty; }
  TQRUnit Units() const;
  // Sets the unit of the page, of every band's size and of every printable control's size.
  virtual void SetUnits(TQRUnit units);
  // Values outside 1..300 are ignored.
  void SetZoom(int zoom) override;
  int PreviewWidth() const { return previewWidth_ > 0 ? previewWidth_ : kDefaultPreviewSize; }
  int PreviewHeight() const { return previewHeight_ > 0 ? previewHeight_ : kDefaultPreviewSize; }
  void SetPreviewWidth(int width) { previewWidth_ = width; }
  void SetPreviewHeight(int height) { previewHeight_ = height; }
  int StoredPreviewWidth() const { return previewWidth_; }
  int StoredPreviewHeight() const { return previewHeight_; }

  // Run-time fields.
  std::vector<TQRCustomBand*> BandList;
  // The current run's page producer. The report shares it with a preview
  // window that shows its pages; it is freed when neither holds it.
  TQRPrinter* QRPrinter = nullptr;
  std::shared_ptr<TQRPrinter> QRPrinterHandle;
  void SetQRPrinter(std::shared_ptr<TQRPrinter> printer) {
    QRPrinterHandle = std::move(printer);
    QRPrinter = QRPrinterHandle.get();
  }
  // Read by the window thread while a worker generates.
  std::atomic<bool> Idle{true};
  bool Cancelled = false;
  bool LastPageReached = false;
  bool SkipNextForcedPage = false;
  bool ColumnBreakArmed = false;
  int CursorX = 0;
  int CursorY = -1;
  int ColumnTop = 0;
  int ColumnNumber = 0;
  int PageNumber = 0;
  double FooterReserve = 0;
  std::vector<data::Dataset*> AllDataSets;
  // The band engine's answer to controls that stretch their band; not owned.
  BandStretcher* Stretcher = nullptr;
  TQREvElement* PageNumberElement = nullptr;
  TQREvElement* ColumnNumberElement = nullptr;
  TQREvElement* ReportTitleElement = nullptr;

  void RegisterBand(TQRCustomBand* band);
  void UnregisterBand(TQRCustomBand* band);
  void OrderBands();
  void ArrangeBands();
  // A new band of the type, owned by the report's owner and named after its prefix.
  TQRCustomBand* CreateBandOfType(TQRBandType type);
  // The first band of the type in BandList.
  TQRCustomBand* BandOfType(TQRBandType type) const;

  // Line height of `font` in pixels, and the width of `text` in it plus 1.
  int MeasureTextHeight(const ReportFont& font, const std::string& text) const;
  int MeasureTextWidth(const ReportFont& font, const std::string& text) const;

  // The report's pixel size, pushed by its page.
  void SetPixelSize(int width, int height);

  virtual void AssignControllerBands();
  // Registers an expression control with the report's controller.
  virtual void AddAggregate(TQRPrintable* control) { controller_->AddAggregate(control); }
  void Loaded() override;

 private:
  static constexpr int kDefaultPreviewSize = 500;

  std::unique_ptr<TQRPage> page_;
  std::unique_ptr<TQRReportBands> bands_;
  std::unique_ptr<TQREvEnvironment> functions_;
  std::unique_ptr<TQRController> controller_;
  int previewWidth_ = 0;
  int previewHeight_ = 0;
};

class TQRReport : public TQRCustomReport {
 public:
  explicit TQRReport(Component* owner) : TQRCustomReport(owner) {}
  const ClassInfo& Class() const override;
};

// The has-band switches of a report, addressed by index: 1 title, 2 page
// header, 3 column header, 4 detail, 6 page footer, 7 summary; 5 maps to no band.
class TQRReportBands {
 public:
  explicit TQRReportBands(TQRCustomReport& report) : report_(report) {}
  bool Get(int index) const;
  void Set(int index, bool value);
  // The first band in the report's list of the index's type, or none.
  TQRCustomBand* BandOfIndex(int index) const;

  bool HasTitle() const { return Get(1); }
  bool HasPageHeader() const { return Get(2); }
  bool HasColumnHeader() const { return Get(3); }
  bool HasDetail() const { return Get(4); }
  bool HasPageFooter() const { return Get(6); }
  bool HasSummary() const { return Get(7); }
  void SetHasTitle(bool value) { Set(1, value); }
  void SetHasPageHeader(bool value) { Set(2, value); }
  void SetHasColumnHeader(bool value) { Set(3, value); }
  void SetHasDetail(bool value) { Set(4, value); }
  void SetHasPageFooter(bool value) { Set(6, value); }
  void SetHasSummary(bool value) { Set(7, value); }

 private:
  TQRCustomReport& report_;
};

}  // namespace qr
