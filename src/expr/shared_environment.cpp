#include <QCoreApplication>
#include <QDateTime>
#include <filesystem>
#include <system_error>

#include "expr/environment.h"
#include "platform/locale.h"

namespace qr::expr {
namespace {

// The moment the engine's code was loaded, which AppStartTime and AppStartDate show.
const QDateTime engineStart = QDateTime::currentDateTime();

std::string ApplicationTitle() {
  const QString name = QCoreApplication::applicationName();
  if (!name.isEmpty()) return name.toStdString();
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).filename().string();
}

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

}  // namespace

TQREvEnvironment& SharedEnvironment() {
  // Never destroyed: evaluators that outlive static destruction order still
  // deactivate it safely.
  static TQREvEnvironment* shared = [] {
    auto* environment = new TQREvEnvironment;
    const Locale& locale = Locale::Current();
    environment->Define("AppStartTime", Quoted(locale.FormatLongTime(engineStart.time())));
    environment->Define("AppStartDate", Quoted(locale.FormatShortDate(engineStart.date())));
    environment->Define("AppName", Quoted(ApplicationTitle()));
    return environment;
  }();
  return *shared;
}

}  // namespace qr::expr
