#include "host_progress_bar.h"

#include <QProgressBar>

void HostProgressBar::SetVisible(bool visible) {
  bar_.setVisible(visible);
}

void HostProgressBar::SetMax(int maximum) {
  bar_.setMaximum(maximum);
}

void HostProgressBar::SetPosition(int position) {
  bar_.setValue(position);
}
