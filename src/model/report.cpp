#include "model/report.h"

#include <algorithm>

#include "expr/environment.h"
#include "model/class_registry.h"
#include "model/controller_band.h"
#include "model/group.h"
#include "model/printable.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

constexpr int kReportFontPoints = 10;
constexpr int kMinZoom = 1;
constexpr int kMaxZoom = 300;

bool IsFullWidthType(TQRBandType type) {
  switch (type) {
    case TQRBandType::rbTitle:
    case TQRBandType::rbPageHeader:
    case TQRBandType::rbPageFooter:
    case TQRBandType::rbSummary:
    case TQRBandType::rbOverlay:
      return true;
    default:
      return false;
  }
}

// A child band is sized like the first band up its chain that is not a child.
TQRBandType LayoutType(const TQRCustomBand& band) {
  const TQRCustomBand* current = &band;
  for (int guard = 0; guard < 1000; ++guard) {
    const auto* child = dynamic_cast<const TQRChildBand*>(current);
    if (!child || !child->ParentBand()) return current->BandType();
    current = child->ParentBand();
  }
  return current->BandType();
}

void AddAllOfType(std::vector<TQRCustomBand*>& list, const std::vector<TQRCustomBand*>& from,
                  TQRBandType type) {
  for (TQRCustomBand* band : from)
    if (band->BandType() == type) AddBandWithChildren(list, band);
}

}  // namespace

TQRCustomReport::TQRCustomReport(Component* owner)
    : TQRBasePanel(owner),
      bands_(std::make_unique<TQRReportBands>(*this)),
      functions_(std::make_unique<TQREvEnvironment>()),
      controller_(std::make_unique<TQRController>(this)) {
  ReportFont font;
  font.SetSize(kReportFontPoints);
  SetFont(font);
  SetColor(kWhite);
  controller_->OwnerReport = this;
  functions_->Define("PAGENUMBER", "0");
  functions_->Define("COLUMNNUMBER", "0");
  functions_->Define("REPORTTITLE", "''");
  page_ = std::make_unique<TQRPage>(this);
  page_->ApplyToOwner();
}

TQRCustomReport::~TQRCustomReport() {
  BeginDestruction();
  DestroyChildren();
  controller_.reset();
}

TQRUnit TQRCustomReport::Units() const {
  return page_ ? page_->Units() : TQRUnit::MM;
}

void TQRCustomReport::SetUnits(TQRUnit units) {
  page_->SetUnits(units);
  for (TQRCustomBand* band : BandList) {
    band->Size().SetUnits(units);
    for (Control* child : band->Controls())
      if (auto* printable = dynamic_cast<TQRPrintable*>(child)) printable->Size().SetUnits(units);
  }
  for (Control* child : Controls())
    if (auto* printable = dynamic_cast<TQRPrintable*>(child)) printable->Size().SetUnits(units);
}

void TQRCustomReport::SetZoom(int zoom) {
  if (zoom < kMinZoom || zoom > kMaxZoom) return;
  TQRBasePanel::SetZoom(zoom);
}

void TQRCustomReport::RegisterBand(TQRCustomBand* band) {
  if (IsDestroying()) return;
  if (std::find(BandList.begin(), BandList.end(), band) == BandList.end()) BandList.push_back(band);
  OrderBands();
  ArrangeBands();
}

void TQRCustomReport::UnregisterBand(TQRCustomBand* band) {
  if (IsDestroying()) return;
  std::erase(BandList, band);
  OrderBands();
  ArrangeBands();
}

void TQRCustomReport::AssignControllerBands() {
  controller_->SetDetailBand(BandOfType(TQRBandType::rbDetail));
  controller_->SetHeaderBand(BandOfType(TQRBandType::rbTitle));
  controller_->SetFooterBand(BandOfType(TQRBandType::rbSummary));
}

void TQRCustomReport::OrderBands() {
  if (IsLoading() || IsDestroying()) return;
  AssignControllerBands();
  controller_->OwnerReport = this;
  controller_->CollectMembers();
  std::vector<TQRCustomBand*> ordered;
  AddAllOfType(ordered, BandList, TQRBandType::rbPageHeader);
  if (bands_->HasTitle()) AddAllOfType(ordered, BandList, TQRBandType::rbTitle);
  AddAllOfType(ordered, BandList, TQRBandType::rbColumnHeader);
  controller_->AddBandsInOrder(ordered);
  AddAllOfType(ordered, BandList, TQRBandType::rbPageFooter);
  for (TQRCustomBand* band : BandList) AddBandWithChildren(ordered, band);
  BandList = std::move(ordered);
}

void TQRCustomReport::ArrangeBands() {
  if (IsLoading() || IsDestroying() || !page_) return;
  const auto pixels = [this](TQRPage::Index index, Axis axis) {
    return page_->FromNative(TQRUnit::Pixels, axis, page_->Native(index));
  };
  const int left = RoundHalfEven(pixels(TQRPage::kLeftMargin, Axis::Horizontal));
  const int fullWidth = Width() - RoundHalfEven(pixels(TQRPage::kLeftMargin, Axis::Horizontal) +
                                                pixels(TQRPage::kRightMargin, Axis::Horizontal));
  const int columns = page_->Columns();
  const int columnWidth =
      (fullWidth - RoundHalfEven(pixels(TQRPage::kColumnSpace, Axis::Horizontal)) * (columns - 1)) /
      columns;
  int top = RoundHalfEven(pixels(TQRPage::kTopMargin, Axis::Vertical));
  for (TQRCustomBand* band : BandList) {
    if (band->IsDestroying()) continue;
    band->Arranging = true;
    band->SetBounds(left, top, band->Width(), band->Height());
    band->Size().StashUnits(TQRUnit::Pixels);
    band->Size().SetWidth(IsFullWidthType(LayoutType(*band)) ? fullWidth : columnWidth);
    band->Size().RestoreUnits();
    band->Arranging = false;
    top += band->Height();
  }
}

TQRCustomBand* TQRCustomReport::CreateBandOfType(TQRBandType type) {
  Component* owner = Owner() ? Owner() : this;
  auto* band = new TQRBand(owner);
  band->SetParent(this);
  band->SetBandType(type);
  band->SetName(UniqueComponentName(owner, qr::BandNamePrefix(type)));
  return band;
}

TQRCustomBand* TQRCustomReport::BandOfType(TQRBandType type) const {
  for (TQRCustomBand* band : BandList)
    if (band->BandType() == type && !band->IsDestroying()) return band;
  return nullptr;
}

int TQRCustomReport::MeasureTextHeight(const ReportFont& font, const std::string&) const {
  return TextMeasurer::Metrics(font.ToCanvasFont(ReferencePixelsPerInch())).Height();
}

int TQRCustomReport::MeasureTextWidth(const ReportFont& font, const std::string& text) const {
  return TextMeasurer::Extent(font.ToCanvasFont(ReferencePixelsPerInch()), text).width + 1;
}

void TQRCustomReport::SetPixelSize(int width, int height) {
  StoreBounds(Left(), Top(), width, height);
}

void TQRCustomReport::Loaded() {
  TQRBasePanel::Loaded();
  OrderBands();
  ArrangeBands();
}

bool TQRReportBands::Get(int index) const {
  return BandOfIndex(index) != nullptr;
}

TQRCustomBand* TQRReportBands::BandOfIndex(int index) const {
  static constexpr std::array<std::optional<TQRBandType>, 8> kTypes = {std::nullopt,
                                                                       TQRBandType::rbTitle,
                                                                       TQRBandType::rbPageHeader,
                                                                       TQRBandType::rbColumnHeader,
                                                                       TQRBandType::rbDetail,
                                                                       std::nullopt,
                                                                       TQRBandType::rbPageFooter,
                                                                       TQRBandType::rbSummary};
  if (index < 0 || index >= static_cast<int>(kTypes.size()) || !kTypes[index]) return nullptr;
  return report_.BandOfType(*kTypes[index]);
}

void TQRReportBands::Set(int index, bool value) {
  TQRCustomBand* existing = BandOfIndex(index);
  if (value == (existing != nullptr)) return;
  if (!value) {
    delete existing;
    return;
  }
  static constexpr std::array<TQRBandType, 8> kCreate = {
      TQRBandType::rbTitle,        TQRBandType::rbTitle,  TQRBandType::rbPageHeader,
      TQRBandType::rbColumnHeader, TQRBandType::rbDetail, TQRBandType::rbTitle,
      TQRBandType::rbPageFooter,   TQRBandType::rbSummary};
  if (index == 0 || index == 5 || index > 7) return;
  report_.CreateBandOfType(kCreate[index]);
}

}  // namespace qr
