#include "model/group.h"

#include "expr/evaluator.h"
#include "model/class_registry.h"
#include "model/controller_band.h"
#include "model/report.h"

namespace qr {

TQRGroup::TQRGroup(Component* owner)
    : TQRCustomBand(owner), evaluator_(std::make_unique<TQREvaluator>()) {
  SetBandType(TQRBandType::rbGroupHeader);
}

TQRGroup::~TQRGroup() = default;

void TQRGroup::SetFooterBand(TQRCustomBand* band) {
  footerBand_ = band;
  if (band) {
    FreeNotification(band);
    band->SetBandType(TQRBandType::rbGroupFooter);
  }
  ReorderReport();
}

void TQRGroup::SetMaster(Component* master) {
  if (master && !dynamic_cast<TQRControllerBand*>(master) &&
      !dynamic_cast<TQRCustomReport*>(master))
    return;
  master_ = master;
  if (master) FreeNotification(master);
  ReorderReport();
}

void TQRGroup::SetParent(Control* parent) {
  TQRCustomBand::SetParent(parent);
  if (master_ == nullptr && OwnerReport && !IsLoading()) SetMaster(OwnerReport);
}

void TQRGroup::Notification(Component* removed) {
  TQRCustomBand::Notification(removed);
  if (removed == footerBand_) footerBand_ = nullptr;
  if (removed == master_) master_ = nullptr;
}

}  // namespace qr
