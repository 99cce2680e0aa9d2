#pragma once

#include <functional>
#include <vector>

#include "model/component.h"

namespace qr {

class TQRCustomBand;
class TQRCustomReport;
class TQRPrintable;
class TQRGroup;
class TDataSetComponent;

// Walks one source of records for a report or a sub-detail band (its Host)
// and decides which bands print for it. This part holds the structure: the
// bands, the nested controllers and the groups, and the order they give the
// report's band list. The run itself belongs to the report engine.
class TQRCustomController : public Component {
 public:
  explicit TQRCustomController(Component* host);
  const ClassInfo& Class() const override;

  Component* Host = nullptr;
  TQRCustomReport* OwnerReport = nullptr;
  bool PrintIfEmpty = true;
  std::vector<TQRCustomController*> BeforeControllers;
  std::vector<TQRCustomController*> AfterControllers;
  std::vector<TQRGroup*> Groups;
  // Expression controls stepped for each detail record; not owned.
  std::vector<TQRPrintable*> Aggregates;

  Component* Master() const { return master_; }
  // Only a report, a controller or a controller band is accepted, never itself.
  void SetMaster(Component* master);
  bool PrintBefore() const { return printBefore_; }
  virtual void SetPrintBefore(bool printBefore);
  void AddAggregate(TQRPrintable* control) { Aggregates.push_back(control); }

  // Rebuilds the nested controllers and the groups from the components of
  // the host's owner and of the host.
  virtual void CollectMembers();
  // Appends this controller's bands, each with its child chain, in print order.
  virtual void AddBandsInOrder(std::vector<TQRCustomBand*>& bands) { (void)bands; }

 protected:
  void Notification(Component* removed) override;

 private:
  void CollectFrom(const Component& scope);
  Component* master_ = nullptr;
  bool printBefore_ = false;
};

class TQRController : public TQRCustomController {
 public:
  explicit TQRController(Component* host) : TQRCustomController(host) {}
  const ClassInfo& Class() const override;

  TDataSetComponent* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSetComponent* dataSet);
  TQRCustomBand* DetailBand() const { return detailBand_; }
  TQRCustomBand* HeaderBand() const { return headerBand_; }
  TQRCustomBand* FooterBand() const { return footerBand_; }
  void SetDetailBand(TQRCustomBand* band);
  void SetHeaderBand(TQRCustomBand* band);
  void SetFooterBand(TQRCustomBand* band);
  std::function<void(Component& sender, bool& moreData)> OnNeedData;
  int DetailNumber = 0;
  bool ParametersFromEnvironment = false;

  void AddBandsInOrder(std::vector<TQRCustomBand*>& bands) override;

 protected:
  void Notification(Component* removed) override;

 private:
  TDataSetComponent* dataSet_ = nullptr;
  TQRCustomBand* detailBand_ = nullptr;
  TQRCustomBand* headerBand_ = nullptr;
  TQRCustomBand* footerBand_ = nullptr;
};

// Appends a band and its chain of child bands, skipping bands already listed
// or being destroyed.
void AddBandWithChildren(std::vector<TQRCustomBand*>& bands, TQRCustomBand* band);

}  // namespace qr
