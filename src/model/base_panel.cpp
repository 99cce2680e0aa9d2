#include "model/base_panel.h"

#include "model/printable.h"

namespace qr {

void TQRBasePanel::SetZoom(int zoom) {
  if (zoom == 0) return;
  zoom_ = zoom;
  for (Control* child : Controls()) {
    if (auto* printable = dynamic_cast<TQRPrintable*>(child)) {
      printable->Size().Zoom = zoom;
      printable->Size().ApplyToOwner();
    } else if (auto* panel = dynamic_cast<TQRBasePanel*>(child)) {
      panel->SetZoom(zoom);
    }
  }
}

}  // namespace qr
