// qrtool: the command line of the report engine and the price-list plug-in.
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>

#include "command_line.h"

namespace {

void PrintUsage() {
  std::fputs("usage: qrtool COMMAND [options]   (qrtool COMMAND --help for its options)\n\n",
             stderr);
  for (const qrtool::Command& command : qrtool::Commands()) {
    if (!command.hidden) std::fprintf(stderr, "  %-18s %s\n", command.name, command.summary);
  }
}

const qrtool::Command* FindCommand(const char* name) {
  for (const qrtool::Command& command : qrtool::Commands()) {
    if (std::strcmp(command.name, name) == 0) return &command;
  }
  return nullptr;
}

// A headless run without a runtime directory makes Qt say so on stderr, which
// would break the one-line error a failing command promises. That notice, and
// only that one, is dropped.
QtMessageHandler defaultHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
  defaultHandler(type, context, message);
}

// Commands that draw text need fonts, hence a GUI application; without a
// display it runs offscreen, which measures exactly like a 96 dpi screen.
std::unique_ptr<QCoreApplication> MakeApplication(const qrtool::Command* command, int& argc,
                                                  char** argv) {
  if (!command || !command->needsGui) return std::make_unique<QCoreApplication>(argc, argv);
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  defaultHandler = qInstallMessageHandler(QuietHandler);
  return std::make_unique<QGuiApplication>(argc, argv);
}

int Run(const qrtool::Command& command, const QStringList& arguments) {
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

}  // namespace

int main(int argc, char** argv) {
  const qrtool::Command* command = argc > 1 ? FindCommand(argv[1]) : nullptr;
  const std::unique_ptr<QCoreApplication> app = MakeApplication(command, argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  if (arguments.isEmpty() || arguments.first() == "--help" || arguments.first() == "-h") {
    PrintUsage();
    return arguments.isEmpty() ? 2 : 0;
  }
  if (command) return Run(*command, arguments);
  std::fprintf(stderr, "qrtool: unknown command '%s'\n", qPrintable(arguments.first()));
  PrintUsage();
  return 2;
}
