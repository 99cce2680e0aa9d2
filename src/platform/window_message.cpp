#include "platform/window_message.h"

#include <QCoreApplication>
#include <QDateTime>

namespace qr {

void PostWindowMessage(QObject* receiver, int messageNumber, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  QCoreApplication::postEvent(receiver, new WindowMessageEvent(messageNumber, wParam, lParam));
}

void ProcessPendingMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

double LocalTimeAsDays() {
  constexpr double kMillisecondsPerDay = 86400000.0;
  const QDateTime now = QDateTime::currentDateTime();
  const QDate epoch(1899, 12, 30);
  return static_cast<double>(epoch.daysTo(now.date())) +
         now.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}

}  // namespace qr
