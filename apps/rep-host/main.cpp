// rep-host: a small host application that runs the price-list plug-in.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <exception>

#include "data/work_table.h"
#include "main_window.h"

namespace {

QString DefaultDatabase() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         "/rep-esp-orv/sample.db";
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Runs the price list by packaging over a shop database.");
  parser.addHelpOption();
  parser.addOption({"db",
                    "SQLite file or postgresql://user@host:port/database (default: "
                    "the sample database scripts/run writes).",
                    "DB", DefaultDatabase()});
  parser.addOption({"alias-temp", "Directory of the local alias 'Temp' holding TempM_t.", "DIR"});
  parser.addOption({"plugin", "The plug-in library (default: beside this program).", "FILE",
                    QCoreApplication::applicationDirPath() + "/libRep_Esp_Orv.so"});
  parser.process(app);
  if (parser.isSet("alias-temp"))
    qr::data::SetAliasTempDirectory(parser.value("alias-temp").toStdString());

  std::unique_ptr<qr::data::SqlConnection> connection;
  try {
    connection = std::make_unique<qr::data::SqlConnection>(parser.value("db").toStdString());
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "rep-host", QString::fromUtf8(error.what()));
    return 1;
  }
  MainWindow window(std::move(connection), parser.value("plugin"));
  window.show();
  return app.exec();
}
