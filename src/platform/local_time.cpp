#include "platform/local_time.h"

#include <QDateTime>

namespace qr {

double LocalTimeAsDays() {
  constexpr double kMillisecondsPerDay = 86400000.0;
  const QDateTime now = QDateTime::currentDateTime();
  const QDate epoch(1899, 12, 30);
  return static_cast<double>(epoch.daysTo(now.date())) +
         now.time().msecsSinceStartOfDay() / kMillisecondsPerDay;
}

}  // namespace qr
