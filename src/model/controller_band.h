#pragma once

#include <memory>

#include "model/band.h"
#include "model/controller.h"

namespace qr {

// A band with a controller of its own, nested under a master.
class TQRControllerBand : public TQRCustomBand {
 public:
  explicit TQRControllerBand(Component* owner);
  ~TQRControllerBand() override;

  TQRController& Controller() { return *controller_; }
  Component* Master() const { return controller_->Master(); }
  // A report, a controller or a controller band; cycles are refused.
  virtual void SetMaster(Component* master);
  // The report's band list gets this band's bands.
  virtual void AddOwnBands(std::vector<TQRCustomBand*>& bands);

 protected:
  virtual std::unique_ptr<TQRController> CreateController();

 private:
  std::unique_ptr<TQRController> controller_;
};

// The has-band switches of a sub-detail band.
class TQRSubDetail;
class TQRSubDetailGroupBands {
 public:
  explicit TQRSubDetailGroupBands(TQRSubDetail& owner) : owner_(owner) {}
  bool HasHeader() const;
  bool HasFooter() const;
  void SetHasHeader(bool value);
  void SetHasFooter(bool value);

 private:
  TQRSubDetail& owner_;
};

// A detail band walking a dataset of its own for every record of its master.
class TQRSubDetail : public TQRControllerBand {
 public:
  explicit TQRSubDetail(Component* owner);
  const ClassInfo& Class() const override;

  TQRSubDetailGroupBands Bands{*this};
  TDataSetComponent* DataSet() { return Controller().DataSet(); }
  void SetDataSet(TDataSetComponent* dataSet) { Controller().SetDataSet(dataSet); }
  TQRCustomBand* HeaderBand() { return Controller().HeaderBand(); }
  TQRCustomBand* FooterBand() { return Controller().FooterBand(); }
  // The band becomes a group header (footer) band.
  void SetHeaderBand(TQRCustomBand* band);
  void SetFooterBand(TQRCustomBand* band);
  bool PrintBefore() { return Controller().PrintBefore(); }
  void SetPrintBefore(bool printBefore);
  bool PrintIfEmpty() { return Controller().PrintIfEmpty; }
  void SetPrintIfEmpty(bool printIfEmpty) { Controller().PrintIfEmpty = printIfEmpty; }

  void AddOwnBands(std::vector<TQRCustomBand*>& bands) override;
};

}  // namespace qr
