#pragma once

#include "model/control.h"
#include "model/frame.h"

namespace qr {

// The report and its bands: controls with a frame and a zoom.
class TQRBasePanel : public Control {
 public:
  explicit TQRBasePanel(Component* owner) : Control(owner) {}

  TQRFrame Frame;

  int Zoom() const { return zoom_; }
  // 0 is ignored; otherwise every child control follows the new zoom.
  virtual void SetZoom(int zoom);

 private:
  int zoom_ = 100;
};

}  // namespace qr
