#pragma once

#include "rep_esp_orv/show.h"

class QProgressBar;

// Lends the status bar's progress bar to the plug-in.
class HostProgressBar : public rep::ProgressBar {
 public:
  explicit HostProgressBar(QProgressBar& bar) : bar_(bar) {}
  void SetVisible(bool visible) override;
  void SetMax(int maximum) override;
  void SetPosition(int position) override;

 private:
  QProgressBar& bar_;
};
