#include "platform/window_message.h"

#include <QCoreApplication>

namespace qr {

void PostWindowMessage(QObject* receiver, int messageNumber, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  QCoreApplication::postEvent(receiver, new WindowMessageEvent(messageNumber, wParam, lParam));
}

void ProcessPendingMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace qr
