#pragma once

#include <QEvent>
#include <QObject>
#include <cstdint>
#include <functional>

class QObject;

namespace qr {

// A message posted to a window-side object: the event type is QEvent::User
// plus the message number, and it carries the two message parameters.
class WindowMessageEvent : public QEvent {
 public:
  WindowMessageEvent(int messageNumber, std::uintptr_t wParam, std::intptr_t lParam)
      : QEvent(static_cast<QEvent::Type>(QEvent::User + messageNumber)),
        wParam_(wParam),
        lParam_(lParam) {}

  int MessageNumber() const { return type() - QEvent::User; }
  std::uintptr_t WParam() const { return wParam_; }
  std::intptr_t LParam() const { return lParam_; }

 private:
  std::uintptr_t wParam_;
  std::intptr_t lParam_;
};

// Posts from any thread; the receiver handles it on its own thread.
void PostWindowMessage(QObject* receiver, int messageNumber, std::uintptr_t wParam,
                       std::intptr_t lParam);

// Lets the calling thread handle the events waiting for it.
void ProcessPendingMessages();

// An object window messages can be posted to, handing each to a function on
// the thread it lives in.
class WindowMessageTarget : public QObject {
 public:
  using Handler =
      std::function<void(int messageNumber, std::uintptr_t wParam, std::intptr_t lParam)>;
  explicit WindowMessageTarget(Handler handler) : handler_(std::move(handler)) {}

 protected:
  bool event(QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace qr
