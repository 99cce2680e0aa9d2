#include "model/tree_dump.h"

#include <cstdio>

#include "model/band.h"
#include "model/class_registry.h"
#include "model/printable.h"
#include "model/report.h"

namespace qr {
namespace {

struct Place {
  double left = 0, top = 0, width = 0, height = 0;
  bool enabled = true;
  std::string bandType;
};

// Positions the report keeps in pixels, in native units at the same scale.
double NativeOfPixels(const TQRUnitBase& units, Axis axis, int pixels) {
  return units.ToNative(TQRUnit::Pixels, axis, pixels);
}

Place PlaceOf(Component& component) {
  Place place;
  if (auto* band = dynamic_cast<TQRCustomBand*>(&component)) {
    place.left = NativeOfPixels(band->Size(), Axis::Horizontal, band->Left());
    place.top = NativeOfPixels(band->Size(), Axis::Vertical, band->Top());
    place.width = band->Size().NativeWidth();
    place.height = band->Size().NativeHeight();
    place.enabled = band->Enabled;
    place.bandType = std::string(BandTypeName(band->BandType()));
  } else if (auto* printable = dynamic_cast<TQRPrintable*>(&component)) {
    const TQRPrintableSize& size = printable->Size();
    place = {size.NativeLeft(),   size.NativeTop(),   size.NativeWidth(),
             size.NativeHeight(), printable->Enabled, ""};
  } else if (auto* report = dynamic_cast<TQRCustomReport*>(&component)) {
    TQRPage& page = report->Page();
    place.width = page.Native(TQRPage::kWidth);
    place.height = page.Native(TQRPage::kLength);
  }
  return place;
}

std::string Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

void Dump(std::string& out, Component& component, int depth) {
  const Place place = PlaceOf(component);
  out += std::string(depth * 2, ' ') + component.Class().name + " " +
         (component.Name().empty() ? "(unnamed)" : component.Name());
  if (!place.bandType.empty()) out += " " + place.bandType;
  out += " left=" + Number(place.left) + " top=" + Number(place.top) +
         " width=" + Number(place.width) + " height=" + Number(place.height) +
         (place.enabled ? " enabled" : " disabled") + "\n";
  std::vector<Component*> children;
  if (auto* control = dynamic_cast<Control*>(&component))
    for (Control* child : control->Controls()) children.push_back(child);
  if (depth == 0)
    for (Component* owned : component.Components()) {
      auto* control = dynamic_cast<Control*>(owned);
      if (control == nullptr || control->Parent() == nullptr) children.push_back(owned);
    }
  for (Component* child : children) Dump(out, *child, depth + 1);
}

}  // namespace

std::string DumpComponentTree(Component& root) {
  std::string out;
  Dump(out, root, 0);
  return out;
}

}  // namespace qr
