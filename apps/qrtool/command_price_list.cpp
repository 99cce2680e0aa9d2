#include <cstdio>

#include "command_line.h"
#include "data/sql_connection.h"
#include "data/work_table.h"
#include "engine/saving_preview.h"
#include "plugin/headless_filter.h"
#include "plugin/price_list_run.h"
#include "plugin/report_form.h"
#include "plugin/statement.h"

namespace qrtool {
namespace {

// The command line has no progress bar to show; the run still drives one.
// Stores the report's pages coded, for lists whose pages would not fit the
// 2 GiB a report file can address.
class CompressPages : public rep::RunObserver {
 public:
  void WorkTableReady(rep::TFReporte& form) override { form.Reporte().Options |= qr::Compression; }
};

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
  parser.addOption({"qrp", "Write the previewed pages as a report file.", "OUT.qrp"});
  parser.addOption({"pdf", "Write the previewed pages as a PDF.", "OUT.pdf"});
  parser.addOption({"png", "Write the previewed pages as page-N.png images.", "DIR"});
  parser.addOption({"compress", "Store the pages coded (for very large lists)."});
  ParseOrExplain(parser, arguments,
                 "Runs the price list without the dialog: statement, fold into the work table, "
                 "sort index, the preparation pass and the preview pass, whose pages it saves.");
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
  qr::SavingPreview preview;
  preview.reportFile = parser.value("qrp").toStdString();
  preview.pdfFile = parser.value("pdf").toStdString();
  preview.pngDirectory = parser.value("png").toStdString();
  CompressPages compress;
  rep::RunPriceList(connection, progress, choice, preview,
                    parser.isSet("compress") ? &compress : nullptr);
  std::fprintf(stderr, "price list: %d pages\n", preview.pagesSaved);
  return 0;
}

}  // namespace qrtool
