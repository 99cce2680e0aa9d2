#pragma once

// The price-list plug-in's one entry point, as a host sees it.
// The host loads libRep_Esp_Orv.so, resolves "Show" and calls it on its user-
// interface thread. Both arguments belong to the host and must stay alive for
// the whole call; the plug-in never frees them. Errors reach the host as C++
// exceptions derived from std::exception, after the plug-in has cleaned up.

#include "data/remote_server.h"

namespace rep {

// The host's progress indicator; its minimum stays 0.
class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetMax(int maximum) = 0;
  virtual void SetPosition(int position) = 0;
};

}  // namespace rep

extern "C" {
using ShowFunction = void (*)(qr::data::RemoteServer* connection, rep::ProgressBar* progressBar);
void Show(qr::data::RemoteServer* connection, rep::ProgressBar* progressBar);
}
