#include "controls/date_time_picture.h"

#include <QDateTime>
#include <QLocale>
#include <cctype>

namespace qr {
namespace {

// How many times the letter at `at` repeats (case-insensitive).
std::size_t RunLength(std::string_view picture, std::size_t at) {
  const int letter = std::tolower(static_cast<unsigned char>(picture[at]));
  std::size_t end = at;
  while (end < picture.size() && std::tolower(static_cast<unsigned char>(picture[end])) == letter)
    ++end;
  return end - at;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

std::string Padded(int value, std::size_t digits) {
  std::string text = std::to_string(value);
  while (text.size() < digits) text.insert(text.begin(), '0');
  return text;
}

std::string Qt(const QString& text) {
  return text.toStdString();
}

// Whether the picture shows a 12-hour clock (an am/pm or a/p marker follows).
bool TwelveHour(std::string_view picture) {
  for (std::size_t i = 0; i < picture.size(); ++i)
    if (StartsWithNoCase(picture.substr(i), "am/pm") || StartsWithNoCase(picture.substr(i), "a/p"))
      return true;
  return false;
}

class PictureWriter {
 public:
  PictureWriter(std::string_view picture, const QDateTime& value, const Locale& locale)
      : picture_(picture),
        date_(value.date()),
        time_(value.time()),
        locale_(locale),
        twelveHour_(TwelveHour(picture)) {}

  std::string Write() {
    while (at_ < picture_.size()) WriteNext();
    return out_;
  }

 private:
  void WriteNext() {
    const char c = picture_[at_];
    const std::string_view rest = picture_.substr(at_);
    if (c == '\'' || c == '"') return Literal(c);
    if (StartsWithNoCase(rest, "am/pm")) return Marker(5, time_.hour() < 12 ? "am" : "pm");
    if (StartsWithNoCase(rest, "a/p")) return Marker(3, time_.hour() < 12 ? "a" : "p");
    const std::size_t count = RunLength(picture_, at_);
    at_ += count;
    const bool afterHour = lastWasHour_;
    lastWasHour_ = false;
    switch (std::tolower(static_cast<unsigned char>(c))) {
      case 'd':
        return Day(count);
      case 'm':
        return afterHour ? Minute(count) : Month(count);
      case 'y':
        return Year(count);
      case 'h':
        lastWasHour_ = true;
        return Append(Padded(Hour(), count >= 2 ? 2 : 1));
      case 'n':
        return Minute(count);
      case 's':
        return Append(Padded(time_.second(), count >= 2 ? 2 : 1));
      case 'z':
        return Append(Padded(time_.msec(), count >= 3 ? 3 : 1));
      case 'c':
        Append(locale_.FormatShortDate(date_));
        if (time_ != QTime(0, 0)) Append(" " + locale_.FormatLongTime(time_));
        return;
      case 't':
        return Append(count >= 2 ? locale_.FormatLongTime(time_) : locale_.FormatShortTime(time_));
      default:
        lastWasHour_ = afterHour;  // separators between hour and minute
        return Append(std::string(picture_.substr(at_ - count, count)));
    }
  }

  void Literal(char quote) {
    const std::size_t close = picture_.find(quote, at_ + 1);
    const std::size_t end = close == std::string_view::npos ? picture_.size() : close;
    Append(std::string(picture_.substr(at_ + 1, end - at_ - 1)));
    at_ = end == picture_.size() ? end : end + 1;
  }

  // Written in upper case when the picture's first letter is upper case.
  void Marker(std::size_t length, std::string text) {
    if (std::isupper(static_cast<unsigned char>(picture_[at_])))
      for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    Append(text);
    at_ += length;
  }

  void Day(std::size_t count) {
    const QLocale names = QLocale::c();
    if (count <= 2) return Append(Padded(date_.day(), count));
    if (count == 3) return Append(Qt(names.dayName(date_.dayOfWeek(), QLocale::ShortFormat)));
    if (count == 4) return Append(Qt(names.dayName(date_.dayOfWeek(), QLocale::LongFormat)));
    Append(locale_.FormatShortDate(date_));
  }

  void Month(std::size_t count) {
    const QLocale names = QLocale::c();
    if (count <= 2) return Append(Padded(date_.month(), count));
    if (count == 3) return Append(Qt(names.monthName(date_.month(), QLocale::ShortFormat)));
    Append(Qt(names.monthName(date_.month(), QLocale::LongFormat)));
  }

  void Year(std::size_t count) {
    if (count <= 2) return Append(Padded(date_.year() % 100, 2));
    Append(Padded(date_.year(), 4));
  }

  void Minute(std::size_t count) { Append(Padded(time_.minute(), count >= 2 ? 2 : 1)); }

  int Hour() const {
    if (!twelveHour_) return time_.hour();
    const int hour = time_.hour() % 12;
    return hour == 0 ? 12 : hour;
  }

  void Append(const std::string& text) { out_ += text; }

  std::string_view picture_;
  QDate date_;
  QTime time_;
  const Locale& locale_;
  bool twelveHour_;
  bool lastWasHour_ = false;
  std::size_t at_ = 0;
  std::string out_;
};

}  // namespace

std::string FormatDateTimePicture(std::string_view picture, const QDateTime& value,
                                  const Locale& locale) {
  return PictureWriter(picture, value, locale).Write();
}

}  // namespace qr
