#include <cstdio>

#include "command_line.h"
#include "data/sql_connection.h"
#include "data/work_table.h"
#include "plugin/headless_filter.h"
#include "plugin/price_list_run.h"
#include "plugin/statement.h"

namespace qrtool {
namespace {

// The command line has no progress bar to show; the run still drives one.
class SilentProgressBar : public rep::ProgressBar {
 public:
  void SetVisible(bool) override {}
  void SetMax(int) override {}
  void SetPosition(int) override {}
};

}  // namespace

int RunPriceList(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({"db", "SQLite file or postgresql:// URL.", "DB"});
  parser.addOption({"alias-temp", "Directory of the alias 'Temp' holding TempM_t.", "DIR"});
  parser.addOption(
      {"by", "code, description, group1, group2, group3 or department.", "KIND", "code"});
  parser.addOption({"from", "Range start: an article code, one character, or a name.", "X"});
  parser.addOption({"to", "Range end, as --from.", "Y"});
  parser.addOption({"order", "code or description.", "ORDER", "code"});
  parser.addOption({"show-sql", "Print the composed statement and stop."});
  ParseOrExplain(parser, arguments,
                 "Runs the price list without the dialog: statement, fold into the work table "
                 "and sort index.");
  if (parser.isSet("alias-temp"))
    qr::data::SetAliasTempDirectory(parser.value("alias-temp").toStdString());

  qr::data::SqlConnection connection(Required(parser, "db"));
  rep::FilterRequest request;
  request.by = parser.value("by").toStdString();
  request.from = Required(parser, "from");
  request.to = Required(parser, "to");
  request.order = parser.value("order").toStdString();
  const rep::FilterChoice choice = rep::ResolveFilter(connection, request);
  if (parser.isSet("show-sql")) {
    std::printf(
        "%s\n",
        rep::ComposePriceListStatement(choice.selectionKind, choice.from, choice.to).c_str());
    return 0;
  }
  SilentProgressBar progress;
  rep::RunPriceList(connection, progress, choice);
  return 0;
}

}  // namespace qrtool
