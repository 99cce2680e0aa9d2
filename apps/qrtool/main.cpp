// qrtool: the command line of the report engine and the price-list plug-in.
#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "command_line.h"

namespace {

void PrintUsage() {
  std::fputs("usage: qrtool COMMAND [options]   (qrtool COMMAND --help for its options)\n\n",
             stderr);
  for (const qrtool::Command& command : qrtool::Commands())
    std::fprintf(stderr, "  %-18s %s\n", command.name, command.summary);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
    PrintUsage();
    return arguments.isEmpty() ? 2 : 0;
  }
  for (const qrtool::Command& command : qrtool::Commands()) {
    if (arguments.first() != command.name) continue;
    try {
      return command.run(arguments);
    } catch (const qrtool::UsageError& error) {
      std::fprintf(stderr, "qrtool %s: %s (see qrtool %s --help)\n", command.name, error.what(),
                   command.name);
      return 2;
    } catch (const std::exception& error) {
      std::fprintf(stderr, "qrtool %s: %s\n", command.name, error.what());
      return 1;
    }
  }
  std::fprintf(stderr, "qrtool: unknown command '%s'\n", qPrintable(arguments.first()));
  PrintUsage();
  return 2;
}
