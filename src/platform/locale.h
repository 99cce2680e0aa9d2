#pragma once

#include <string>

class QDate;
class QTime;

namespace qr {

enum class MeasurementSystem { Metric, US };

// The regional settings the engine formats with: separators, date and time
// formats (Qt date/time format strings) and the measurement system.
// Filled from the system locale by default; tests pin it with SetCurrent.
struct Locale {
  std::string decimalSeparator = ".";
  std::string thousandSeparator = ",";
  std::string shortDateFormat = "dd/MM/yyyy";
  std::string shortTimeFormat = "HH:mm";
  std::string longTimeFormat = "HH:mm:ss";
  MeasurementSystem measurementSystem = MeasurementSystem::Metric;

  std::string FormatShortDate(const QDate& date) const;
  std::string FormatShortTime(const QTime& time) const;
  std::string FormatLongTime(const QTime& time) const;

  static Locale FromSystem();
  // The process-wide locale. Set it before any report runs; it is read without a lock.
  static const Locale& Current();
  static void SetCurrent(const Locale& locale);
};

}  // namespace qr
