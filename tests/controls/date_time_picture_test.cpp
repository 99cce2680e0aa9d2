#include "controls/date_time_picture.h"

#include <gtest/gtest.h>

#include <QDateTime>

#include "expr/expr_test_support.h"

namespace qrtest {
namespace {

TEST(DateTimePicture, FormatsDayMonthYearAndTimeLetters) {
  struct Case {
    const char* name;
    const char* picture;
    const char* expected;
  };
  const Case cases[] = {
      {"numeric-date", "dd/mm/yyyy", "07/03/2026"},
      {"no-leading-zeros", "d/m/yy", "7/3/26"},
      {"names", "ddd dddd mmm mmmm", "Sat Saturday Mar March"},
      {"minutes-after-hour", "hh:mm:ss", "14:05:09"},
      {"minutes-letter", "h:nn", "14:05"},
      {"twelve-hour", "h:nn AM/PM", "2:05 PM"},
      {"twelve-hour-short", "hh a/p", "02 p"},
      {"quoted", "'Day' d \"of\" mmmm", "Day 7 of March"},
      {"case-insensitive", "DD-MM-YYYY", "07-03-2026"},
      {"locale-date-and-time", "c", "07/03/2026 14:05:09"},
      {"locale-short-time", "t", "14:05"},
  };
  PinnedLocale locale(PinnedLocale::Dot());
  const QDateTime value(QDate(2026, 3, 7), QTime(14, 5, 9));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(qr::FormatDateTimePicture(c.picture, value), c.expected);
  }
}

}  // namespace
}  // namespace qrtest
