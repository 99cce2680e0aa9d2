#include <cstdio>
#include <string>

#include "command_line.h"
#include "data/client_dataset.h"
#include "data/sql_connection.h"
#include "expr/ev_value.h"
#include "expr/evaluator.h"

namespace qrtool {
namespace {

// "KIND<tab>text": the kind as TYPEOF names it, then the value's text or an
// error's message.
void PrintValue(const qr::expr::TQREvValue& value) {
  const std::string text = value.ValueKind == qr::expr::EvKind::Error
                               ? std::string(value.TextValue())
                               : qr::expr::ValueToText(value);
  const std::string line = std::string(qr::expr::KindName(value.ValueKind)) + '\t' + text + '\n';
  std::fputs(line.c_str(), stdout);
}

int EvaluatePerRow(const std::string& expression, const std::string& database,
                   const std::string& statement, const std::string& datasetName) {
  qr::data::SqlConnection connection(database);
  qr::data::ClientDataSet dataset;
  dataset.SetName(datasetName);
  dataset.SetRemoteServer(&connection);
  dataset.SetProviderName(qr::data::kPriceListProvider);
  dataset.SetCommandText(statement);
  dataset.Open();
  qr::expr::DatasetList dataSets = {&dataset};
  qr::expr::TQREvaluator evaluator;
  evaluator.SetDataSets(&dataSets);
  evaluator.Compile(expression);
  evaluator.ResetAggregates();
  for (; !dataset.Eof(); dataset.Next()) {
    evaluator.Accumulate();
    PrintValue(evaluator.Evaluate());
  }
  return 0;
}

}  // namespace

int RunEval(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({"db", "SQLite file or postgresql:// URL.", "DB"});
  parser.addOption({"sql", "Statement whose rows the expression is evaluated on.", "SELECT"});
  parser.addOption(
      {"name", "Dataset name for prefixed field names (default Query).", "NAME", "Query"});
  parser.addPositionalArgument("expression", "The expression, e.g. 'COUNT' or '7 / 2'.");
  ParseOrExplain(parser, arguments,
                 "Evaluates an expression and prints its kind and text, tab-separated. With "
                 "--db and --sql it is evaluated once per row of the statement's result, "
                 "aggregates taking in every row.");
  if (parser.positionalArguments().size() != 1) throw UsageError("give exactly one expression");
  const std::string expression = parser.positionalArguments().first().toStdString();
  if (parser.isSet("db") || parser.isSet("sql"))
    return EvaluatePerRow(expression, Required(parser, "db"), Required(parser, "sql"),
                          parser.value("name").toStdString());
  qr::expr::TQREvaluator evaluator;
  PrintValue(evaluator.EvaluateText(expression));
  return 0;
}

}  // namespace qrtool
