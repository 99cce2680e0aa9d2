#include "platform/locale.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace qr {
namespace {

Locale& CurrentLocale() {
  static Locale current = Locale::FromSystem();
  return current;
}

}  // namespace

std::string Locale::FormatShortDate(const QDate& date) const {
  return date.toString(QString::fromStdString(shortDateFormat)).toStdString();
}

std::string Locale::FormatShortTime(const QTime& time) const {
  return time.toString(QString::fromStdString(shortTimeFormat)).toStdString();
}

std::string Locale::FormatLongTime(const QTime& time) const {
  return time.toString(QString::fromStdString(longTimeFormat)).toStdString();
}

Locale Locale::FromSystem() {
  const QLocale system = QLocale::system();
  Locale locale;
  locale.decimalSeparator = system.decimalPoint().toStdString();
  locale.thousandSeparator = system.groupSeparator().toStdString();
  locale.shortDateFormat = system.dateFormat(QLocale::ShortFormat).toStdString();
  locale.shortTimeFormat = system.timeFormat(QLocale::ShortFormat).toStdString();
  locale.longTimeFormat = system.timeFormat(QLocale::LongFormat).toStdString();
  locale.measurementSystem = system.measurementSystem() == QLocale::MetricSystem
                                 ? MeasurementSystem::Metric
                                 : MeasurementSystem::US;
  return locale;
}

const Locale& Locale::Current() {
  return CurrentLocale();
}

void Locale::SetCurrent(const Locale& locale) {
  CurrentLocale() = locale;
}

}  // namespace qr
