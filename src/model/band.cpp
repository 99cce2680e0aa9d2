#include "model/band.h"

#include "model/class_registry.h"
#include "model/report.h"

namespace qr {

TQRCustomBand::TQRCustomBand(Component* owner)
    : TQRBasePanel(owner), size_(std::make_unique<TQRBandSize>(this)) {
  SetColor(kWhite);
  StoreBounds(0, 0, 0, kNewBandPixelHeight);
}

TQRCustomBand::~TQRCustomBand() {
  BeginDestruction();
  DestroyChildren();
  if (OwnerReport) OwnerReport->UnregisterBand(this);
}

void TQRCustomBand::SetBandType(TQRBandType type) {
  bandType_ = type;
  ReorderReport();
}

void TQRCustomBand::ReorderReport() {
  if (OwnerReport && !OwnerReport->IsDestroying()) {
    OwnerReport->OrderBands();
    OwnerReport->ArrangeBands();
  }
}

void TQRCustomBand::SetLinkBand(TQRCustomBand* band) {
  for (TQRCustomBand* link = band; link; link = link->LinkBand())
    if (link == this) return;
  linkBand_ = band;
  if (band) FreeNotification(band);
}

bool TQRCustomBand::CanStretch(double amount) {
  BandStretcher* stretcher = OwnerReport ? OwnerReport->Stretcher : nullptr;
  return stretcher && stretcher->CanStretch(*this, amount);
}

bool TQRCustomBand::StretchBy(double amount, double& newHeight, bool& done) {
  BandStretcher* stretcher = OwnerReport ? OwnerReport->Stretcher : nullptr;
  return stretcher && stretcher->StretchBy(*this, amount, newHeight, done);
}

TQRChildBand* TQRCustomBand::ChildBand() const {
  if (!OwnerReport) return nullptr;
  for (TQRCustomBand* band : OwnerReport->BandList) {
    auto* child = dynamic_cast<TQRChildBand*>(band);
    if (child && child->ParentBand() == this && !child->IsDestroying()) return child;
  }
  return nullptr;
}

void TQRCustomBand::SetHasChild(bool hasChild) {
  TQRChildBand* child = ChildBand();
  if (hasChild == (child != nullptr)) return;
  if (hasChild) {
    auto* created = new TQRChildBand(Owner());
    created->SetParent(Parent());
    created->SetParentBand(this);
    return;
  }
  if (TQRChildBand* grandchild = child->ChildBand()) grandchild->SetParentBand(this);
  delete child;
}

std::string TQRCustomBand::BandCaption() const {
  return std::string(qr::BandCaption(bandType_));
}

std::string TQRCustomBand::BandNamePrefix() const {
  return std::string(qr::BandNamePrefix(bandType_));
}

void TQRCustomBand::SetOwnerReport(TQRCustomReport* report) {
  OwnerReport = report;
  if (report) FreeNotification(report);
}

void TQRCustomBand::SetParent(Control* parent) {
  // Bands do not nest: a band placed on a band goes to that band's parent.
  if (auto* band = dynamic_cast<TQRCustomBand*>(parent)) parent = band->Parent();
  if (parent == Parent()) return;
  if (auto* oldReport = dynamic_cast<TQRCustomReport*>(Parent())) oldReport->UnregisterBand(this);
  Control::SetParent(parent);
  auto* report = dynamic_cast<TQRCustomReport*>(parent);
  if (!report) return;
  SetOwnerReport(report);
  size_->MeasurementReport = report;
  size_->SetUnits(report->Units());
  SetZoom(report->Zoom());
  report->RegisterBand(this);
}

void TQRCustomBand::SetBounds(int left, int top, int width, int height) {
  if (IsLoading()) {
    streamedPixelHeight_ = height;
    StoreBounds(left, top, width, height);
    return;
  }
  if (size_->Updating || Arranging) {
    StoreBounds(left, top, width, height);
    return;
  }
  if (height != Height()) {
    size_->StashUnits(TQRUnit::Pixels);
    size_->SetHeight(height);
    size_->RestoreUnits();
  }
  const bool moved = left != Left() || top != Top();
  StoreBounds(left, top, width, height);
  if (moved && OwnerReport && !OwnerReport->IsDestroying()) OwnerReport->ArrangeBands();
}

void TQRCustomBand::Loaded() {
  TQRBasePanel::Loaded();
  size_->AfterLoad();
  if (Height() == kNewBandPixelHeight && streamedPixelHeight_ != 0 &&
      streamedPixelHeight_ != kNewBandPixelHeight)
    StoreBounds(Left(), Top(), Width(), streamedPixelHeight_);
}

void TQRCustomBand::Notification(Component* removed) {
  if (removed == linkBand_) linkBand_ = nullptr;
  if (removed == OwnerReport) OwnerReport = nullptr;
  if (removed == size_->MeasurementReport) size_->MeasurementReport = nullptr;
}

TQRChildBand::TQRChildBand(Component* owner) : TQRCustomBand(owner) {
  SetBandType(TQRBandType::rbChild);
}

void TQRChildBand::SetParentBand(TQRCustomBand* band) {
  if (OwnerReport == nullptr) return;
  for (TQRCustomBand* up = band; up;) {
    if (up == this) return;
    auto* child = dynamic_cast<TQRChildBand*>(up);
    up = child ? child->ParentBand() : nullptr;
  }
  parentBand_ = band;
  if (band) FreeNotification(band);
  ReorderReport();
}

void TQRChildBand::Notification(Component* removed) {
  TQRCustomBand::Notification(removed);
  if (removed == parentBand_) parentBand_ = nullptr;
}

}  // namespace qr
