#include "model/controller.h"

#include <algorithm>

#include "model/band.h"
#include "model/class_registry.h"
#include "model/controller_band.h"
#include "model/dataset_component.h"
#include "model/group.h"
#include "model/report.h"

namespace qr {
namespace {

TQRCustomController* ControllerOf(Component* component) {
  if (auto* controller = dynamic_cast<TQRCustomController*>(component)) return controller;
  if (auto* band = dynamic_cast<TQRControllerBand*>(component)) return &band->Controller();
  return nullptr;
}

}  // namespace

void AddBandWithChildren(std::vector<TQRCustomBand*>& bands, TQRCustomBand* band) {
  for (TQRCustomBand* next = band; next; next = next->ChildBand()) {
    if (next->IsDestroying() || std::find(bands.begin(), bands.end(), next) != bands.end()) return;
    bands.push_back(next);
  }
}

// The controller is not owned: its host destroys it.
TQRCustomController::TQRCustomController(Component* host) : Component(nullptr), Host(host) {}

void TQRCustomController::SetMaster(Component* master) {
  const bool acceptable = master == nullptr || dynamic_cast<TQRCustomReport*>(master) ||
                          dynamic_cast<TQRCustomController*>(master) ||
                          dynamic_cast<TQRControllerBand*>(master);
  if (!acceptable || master == this || master == Host) return;
  for (TQRCustomController* up = ControllerOf(master); up; up = ControllerOf(up->Master()))
    if (up == this) return;
  master_ = master;
  if (master) FreeNotification(master);
}

void TQRCustomController::SetPrintBefore(bool printBefore) {
  printBefore_ = printBefore;
}

void TQRCustomController::CollectMembers() {
  if (IsDestroying() || Host == nullptr) return;
  BeforeControllers.clear();
  AfterControllers.clear();
  Groups.clear();
  if (Host->Owner()) CollectFrom(*Host->Owner());
  CollectFrom(*Host);
}

void TQRCustomController::CollectFrom(const Component& scope) {
  for (Component* component : scope.Components()) {
    if (TQRCustomController* nested = ControllerOf(component);
        nested && nested != this && nested->Master() == Host) {
      auto& list = nested->PrintBefore() ? BeforeControllers : AfterControllers;
      if (std::find(list.begin(), list.end(), nested) != list.end()) continue;
      nested->OwnerReport = OwnerReport;
      list.push_back(nested);
      nested->CollectMembers();
    } else if (auto* group = dynamic_cast<TQRGroup*>(component);
               group && group->Master() == Host && !group->IsDestroying() &&
               std::find(Groups.begin(), Groups.end(), group) == Groups.end()) {
      Groups.push_back(group);
      if (OwnerReport && group->OwnerReport != OwnerReport) group->SetOwnerReport(OwnerReport);
    }
  }
}

void TQRCustomController::Notification(Component* removed) {
  if (removed == master_) master_ = nullptr;
  if (removed == Host) Host = nullptr;
  if (removed == OwnerReport) OwnerReport = nullptr;
  std::erase(BeforeControllers, removed);
  std::erase(AfterControllers, removed);
  std::erase(Groups, removed);
}

void TQRController::SetDataSet(TDataSetComponent* dataSet) {
  dataSet_ = dataSet;
  if (dataSet) FreeNotification(dataSet);
}

void TQRController::SetDetailBand(TQRCustomBand* band) {
  detailBand_ = band;
  if (band) FreeNotification(band);
}

void TQRController::SetHeaderBand(TQRCustomBand* band) {
  headerBand_ = band;
  if (band) FreeNotification(band);
}

void TQRController::SetFooterBand(TQRCustomBand* band) {
  footerBand_ = band;
  if (band) FreeNotification(band);
}

void TQRController::AddBandsInOrder(std::vector<TQRCustomBand*>& bands) {
  if (headerBand_) AddBandWithChildren(bands, headerBand_);
  for (TQRGroup* group : Groups) AddBandWithChildren(bands, group);
  for (TQRCustomController* before : BeforeControllers) before->AddBandsInOrder(bands);
  if (detailBand_) AddBandWithChildren(bands, detailBand_);
  for (TQRCustomController* after : AfterControllers) after->AddBandsInOrder(bands);
  for (auto group = Groups.rbegin(); group != Groups.rend(); ++group)
    if ((*group)->FooterBand()) AddBandWithChildren(bands, (*group)->FooterBand());
  if (footerBand_) AddBandWithChildren(bands, footerBand_);
}

void TQRController::Notification(Component* removed) {
  TQRCustomController::Notification(removed);
  if (removed == dataSet_) dataSet_ = nullptr;
  if (removed == detailBand_) detailBand_ = nullptr;
  if (removed == headerBand_) headerBand_ = nullptr;
  if (removed == footerBand_) footerBand_ = nullptr;
}

}  // namespace qr
