#include "command_line.h"

#include <cstdio>
#include <cstdlib>

namespace qrtool {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"sample-db", "write a sample application database (SQLite file or postgresql:// URL)",
       RunSampleDb},
      {"create-worktable", "create the empty work table TempM_t in the alias directory 'Temp'",
       RunCreateWorktable},
      {"sql", "run a statement through the provider and print the rows", RunSql},
      {"price-list", "run the price list without the dialog", RunPriceList, true},
      {"definition", "load a report definition and print its object tree", RunDefinition, true},
      {"eval", "evaluate an expression, alone or once per row of a statement", RunEval},
      {"info", "print a report file's header, page count and page sizes", RunInfo},
      {"dump", "print a report file's drawing records as text", RunDump},
      {"export", "export a report file's pages as PDF, PNG or EMF files", RunExport, true},
      {"compress", "code a file as one block of the page coder", RunCompress},
      {"expand", "expand one block of the page coder", RunExpand},
      {"demo-report", "write a two-page demonstration report file", RunDemoReport, true, true},
  };
  return commands;
}

void ParseOrExplain(QCommandLineParser& parser, const QStringList& arguments,
                    const char* description) {
  parser.setApplicationDescription(description);
  parser.addHelpOption();
  if (!parser.parse(arguments)) throw UsageError(parser.errorText().toStdString());
  if (parser.isSet("help")) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    std::exit(0);
  }
}

std::string Required(const QCommandLineParser& parser, const char* option) {
  const QString value = parser.value(option);
  if (value.isEmpty()) throw UsageError(std::string("missing --") + option);
  return value.toStdString();
}

int PositiveInteger(const QCommandLineParser& parser, const char* option, int fallback) {
  if (!parser.isSet(option)) return fallback;
  bool ok = false;
  const int value = parser.value(option).toInt(&ok);
  if (!ok || value < 0) throw UsageError(std::string("--") + option + " needs a whole number");
  return value;
}

}  // namespace qrtool
