#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qrtool {

// A usage mistake: printed with the command's help hint, exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Command {
  const char* name;
  const char* summary;
  // Receives the arguments after the command name; returns the exit status.
  std::function<int(const QStringList& arguments)> run;
  // Draws or measures text: runs inside a QGuiApplication (offscreen when
  // there is no display).
  bool needsGui = false;
  // Left out of the usage list.
  bool hidden = false;
};

const std::vector<Command>& Commands();

// Parses `arguments` (command name first) with the options already added to
// `parser`; prints the help and exits for --help; throws UsageError otherwise.
void ParseOrExplain(QCommandLineParser& parser, const QStringList& arguments,
                    const char* description);
std::string Required(const QCommandLineParser& parser, const char* option);
int PositiveInteger(const QCommandLineParser& parser, const char* option, int fallback);

int RunSampleDb(const QStringList& arguments);
int RunCreateWorktable(const QStringList& arguments);
int RunSql(const QStringList& arguments);
int RunPriceList(const QStringList& arguments);
int RunEval(const QStringList& arguments);
int RunDefinition(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunDump(const QStringList& arguments);
int RunExport(const QStringList& arguments);
int RunCompress(const QStringList& arguments);
int RunExpand(const QStringList& arguments);
int RunDemoReport(const QStringList& arguments);

}  // namespace qrtool
