#include "model/controller_band.h"

#include "model/class_registry.h"
#include "model/report.h"

namespace qr {

TQRControllerBand::TQRControllerBand(Component* owner) : TQRCustomBand(owner) {
  controller_ = CreateController();
  controller_->SetDetailBand(this);
  controller_->SetPrintBefore(false);
}

TQRControllerBand::~TQRControllerBand() {
  BeginDestruction();
  controller_.reset();
}

std::unique_ptr<TQRController> TQRControllerBand::CreateController() {
  return std::make_unique<TQRController>(this);
}

void TQRControllerBand::SetMaster(Component* master) {
  controller_->SetMaster(master);
  ReorderReport();
}

void TQRControllerBand::AddOwnBands(std::vector<TQRCustomBand*>& bands) {
  AddBandWithChildren(bands, this);
}

bool TQRSubDetailGroupBands::HasHeader() const {
  return const_cast<TQRSubDetail&>(owner_).HeaderBand() != nullptr;
}

bool TQRSubDetailGroupBands::HasFooter() const {
  return const_cast<TQRSubDetail&>(owner_).FooterBand() != nullptr;
}

void TQRSubDetailGroupBands::SetHasHeader(bool value) {
  if (value == HasHeader()) return;
  if (!value) {
    delete owner_.HeaderBand();
    return;
  }
  if (owner_.OwnerReport)
    owner_.SetHeaderBand(owner_.OwnerReport->CreateBandOfType(TQRBandType::rbGroupHeader));
}

void TQRSubDetailGroupBands::SetHasFooter(bool value) {
  if (value == HasFooter()) return;
  if (!value) {
    delete owner_.FooterBand();
    return;
  }
  if (owner_.OwnerReport)
    owner_.SetFooterBand(owner_.OwnerReport->CreateBandOfType(TQRBandType::rbGroupFooter));
}

TQRSubDetail::TQRSubDetail(Component* owner) : TQRControllerBand(owner) {
  SetBandType(TQRBandType::rbSubDetail);
}

void TQRSubDetail::SetHeaderBand(TQRCustomBand* band) {
  Controller().SetHeaderBand(band);
  if (band) band->SetBandType(TQRBandType::rbGroupHeader);
  ReorderReport();
}

void TQRSubDetail::SetFooterBand(TQRCustomBand* band) {
  Controller().SetFooterBand(band);
  if (band) band->SetBandType(TQRBandType::rbGroupFooter);
  ReorderReport();
}

void TQRSubDetail::SetPrintBefore(bool printBefore) {
  Controller().SetPrintBefore(printBefore);
  ReorderReport();
}

void TQRSubDetail::AddOwnBands(std::vector<TQRCustomBand*>& bands) {
  if (HeaderBand()) AddBandWithChildren(bands, HeaderBand());
  AddBandWithChildren(bands, this);
  if (FooterBand()) AddBandWithChildren(bands, FooterBand());
}

}  // namespace qr
