#include "platform/window_message.h"

#include <QCoreApplication>

namespace qr {

void PostWindowMessage(QObject* receiver, int messageNumber, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  QCoreApplication::postEvent(receiver, new WindowMessageEvent(messageNumber, wParam, lParam));
}

bool WindowMessageTarget::event(QEvent* event) {
  const auto* message = dynamic_cast<const WindowMessageEvent*>(event);
  if (message == nullptr) return QObject::event(event);
  if (handler_) handler_(message->MessageNumber(), message->WParam(), message->LParam());
  return true;
}

void ProcessPendingMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace qr
