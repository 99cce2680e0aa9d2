#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "expr/ev_value.h"
#include "expr/evaluator.h"
#include "platform/locale.h"

namespace qrtest {

// "KIND text" for a value: the kind as TYPEOF names it, then the value's text
// or the error's message.
inline std::string Describe(const qr::expr::TQREvValue& value) {
  const std::string text = value.ValueKind == qr::expr::EvKind::Error
                               ? std::string(value.TextValue())
                               : qr::expr::ValueToText(value);
  return std::string(qr::expr::KindName(value.ValueKind)) + " " + text;
}

inline std::string EvalToText(std::string_view expression) {
  qr::expr::TQREvaluator evaluator;
  return Describe(evaluator.EvaluateText(expression));
}

// Pins the process locale for the life of a test and restores the old one.
class PinnedLocale {
 public:
  explicit PinnedLocale(const qr::Locale& locale) : saved_(qr::Locale::Current()) {
    qr::Locale::SetCurrent(locale);
  }
  ~PinnedLocale() { qr::Locale::SetCurrent(saved_); }

  static qr::Locale Dot() {
    qr::Locale locale;
    locale.decimalSeparator = ".";
    locale.thousandSeparator = ",";
    locale.shortDateFormat = "dd/MM/yyyy";
    locale.longTimeFormat = "HH:mm:ss";
    return locale;
  }
  static qr::Locale Comma() {
    qr::Locale locale = Dot();
    locale.decimalSeparator = ",";
    locale.thousandSeparator = ".";
    return locale;
  }

 private:
  qr::Locale saved_;
};

// One expression, what it should give ("KIND text"), and a name for messages.
struct Case {
  const char* name;
  const char* text;
  const char* expected;
};

// Evaluates every case with the dot locale pinned.
inline void ExpectAll(std::initializer_list<Case> cases) {
  PinnedLocale locale(PinnedLocale::Dot());
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.text);
    EXPECT_EQ(EvalToText(c.text), c.expected);
  }
}

}  // namespace qrtest
