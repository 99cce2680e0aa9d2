#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "expr/expr_test_support.h"
#include "expr/memory_dataset.h"
#include "model/band.h"
#include "model/class_registry.h"
#include "model/dataset_component.h"
#include "model/printable.h"
#include "model/report.h"
#include "model/report_form.h"
#include "pages/qr_printer.h"
#include "support/page_text.h"

namespace qrtest {

// The band engine's stretching rule with a fixed amount of room below the
// band's design height, in native units.
class FixedRoomStretcher : public qr::BandStretcher {
 public:
  double room = 0;
  bool CanStretch(qr::TQRCustomBand& band, double amount) override {
    return band.StretchHeight + amount <= room;
  }
  bool StretchBy(qr::TQRCustomBand& band, double amount, double& newHeight, bool& done) override {
    if (!CanStretch(band, amount)) return false;
    if (!done && amount < band.StretchHeight) {
      newHeight = band.StretchHeight;
      done = true;
      return true;
    }
    band.StretchHeight += amount;
    newHeight = band.StretchHeight;
    done = true;
    return false;
  }
};

// A dataset component over a MemoryDataset the test owns.
class MemoryDataSetComponent : public qr::TDataSetComponent {
 public:
  MemoryDataSetComponent(qr::Component* owner, MemoryDataset& dataset)
      : TDataSetComponent(owner), dataset_(dataset) {}
  const qr::ClassInfo& Class() const override {
    static const qr::ClassInfo info("TMemoryDataSet");
    return info;
  }
  qr::data::Dataset& GetDataset() override { return dataset_; }

 private:
  MemoryDataset& dataset_;
};

// A report on a form with one detail band and a page-store TQRPrinter at the
// reference resolution, where one device dot is one screen pixel. Controls
// print at a band origin of (254, 254) native units: pixel (96, 96).
class ControlTest : public testing::Test {
 protected:
  static constexpr int kBandOrigin = 254;
  static constexpr int kBandOriginPixels = 96;

  void SetUp() override {
    form_ = std::make_unique<qr::TReportForm>(nullptr, FormClass());
    report_ = new qr::TQRReport(form_.get());
    report_->SetName("Reporte");
    report_->Page().SetPaperSize(qr::TQRPaperSize::Letter);
    band_ = new qr::TQRBand(form_.get());
    band_->SetName("Detail");
    band_->SetBandType(qr::TQRBandType::rbDetail);
    band_->SetParent(report_);
    report_->QRPrinter = &printer_;
    report_->Stretcher = &stretcher_;
  }

  // A control of type T on the band, in Times New Roman 8 pt, at the pixel bounds.
  template <typename T>
  T* Add(int left, int top, int width, int height) {
    auto* control = new T(form_.get());
    control->SetParent(band_);
    qr::ReportFont font;
    font.name = "Times New Roman";
    font.SetSize(8);
    control->SetFont(font);
    control->SetBounds(left, top, width, height);
    return control;
  }

  // Starts a new job (dropping any earlier one) with its first page.
  void StartPage() {
    if (printer_.State() != qr::stIdle) printer_.Reset();
    printer_.StartJob();
    printer_.NewPage();
  }
  // Ends the job and returns the drawing of page `page`.
  std::string Finish(int page = 1) {
    if (printer_.State() == qr::stProducing) printer_.EndJob();
    return PageDump(printer_, page);
  }
  // One print of `control` on a fresh page: its text records.
  std::vector<std::string> PrintOnce(qr::TQRPrintable& control, std::string_view kind = "text") {
    StartPage();
    control.BeginPrinting();
    control.PrintAt(kBandOrigin, kBandOrigin);
    return DumpLines(Finish(), kind);
  }

  static const qr::ClassInfo& FormClass() {
    static const qr::ClassInfo info = qr::MakeFormClass("TControlTestForm");
    return info;
  }

  PinnedLocale locale_{PinnedLocale::Dot()};
  std::unique_ptr<qr::TReportForm> form_;
  qr::TQRReport* report_ = nullptr;
  qr::TQRBand* band_ = nullptr;
  qr::TQRPrinter printer_;
  FixedRoomStretcher stretcher_;
};

}  // namespace qrtest
