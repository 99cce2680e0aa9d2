#include <cstdio>
#include <string>

#include "command_line.h"
#include "data/client_dataset.h"
#include "data/sql_connection.h"

namespace qrtool {

int RunSql(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({"db", "SQLite file or postgresql:// URL.", "DB"});
  parser.addPositionalArgument("statement", "The SQL statement.");
  ParseOrExplain(parser, arguments,
                 "Runs a statement through the provider and prints the rows, one per line, "
                 "fields separated by tabs (null as empty).");
  if (parser.positionalArguments().size() != 1) throw UsageError("give exactly one statement");

  qr::data::SqlConnection connection(Required(parser, "db"));
  qr::data::ClientDataSet dataset;
  dataset.SetRemoteServer(&connection);
  dataset.SetProviderName(qr::data::kPriceListProvider);
  dataset.SetCommandText(parser.positionalArguments().first().toStdString());
  dataset.Open();
  std::string line;
  for (; !dataset.Eof(); dataset.Next()) {
    line.clear();
    for (int i = 0; i < dataset.FieldCount(); ++i) {
      if (i) line += '\t';
      line += dataset.FieldAt(i).DisplayText();
    }
    line += '\n';
    std::fputs(line.c_str(), stdout);
  }
  return 0;
}

}  // namespace qrtool
