#include <cstdio>

#include "command_line.h"
#include "data/sample_database.h"
#include "data/work_table.h"

namespace qrtool {

int RunSampleDb(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption({"out", "SQLite file to (re)create, or a postgresql:// URL.", "FILE|URL"});
  parser.addOption({"articles", "Number of articles (default 1000).", "N"});
  parser.addOption({"seed", "Seed of the generator (default 1).", "S"});
  parser.addOption({"alias-temp", "Also create the work table in this alias directory.", "DIR"});
  ParseOrExplain(parser, arguments, "Writes a sample application database for the price list.");

  qr::data::SampleOptions options;
  const std::string out = Required(parser, "out");
  options.articles = PositiveInteger(parser, "articles", options.articles);
  options.seed = static_cast<std::uint64_t>(PositiveInteger(parser, "seed", 1));
  options.progress = [](int written) { std::fprintf(stderr, "\r%d articles", written); };
  if (qr::data::SqlConnection::IsPostgresUrl(out)) {
    qr::data::SqlConnection connection(out);
    qr::data::WriteSampleDatabase(connection, options);
  } else {
    qr::data::CreateSampleSqliteFile(out, options);
  }
  if (options.articles >= 10000) std::fputc('\n', stderr);
  if (parser.isSet("alias-temp"))
    qr::data::CreatePriceListWorkTable(parser.value("alias-temp").toStdString());
  std::fprintf(stderr, "wrote %d articles to %s\n", options.articles, out.c_str());
  return 0;
}

int RunCreateWorktable(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.addOption(
      {"alias-temp", "The alias directory 'Temp' (default: the configured one).", "DIR"});
  ParseOrExplain(parser, arguments, "Creates an empty work table TempM_t in the alias 'Temp'.");
  const std::filesystem::path directory =
      parser.isSet("alias-temp") ? std::filesystem::path(parser.value("alias-temp").toStdString())
                                 : qr::data::AliasTempDirectory();
  qr::data::CreatePriceListWorkTable(directory);
  std::fprintf(stderr, "created %s\n",
               qr::data::WorkTable::TableFile(directory, qr::data::kWorkTableName).c_str());
  return 0;
}

}  // namespace qrtool
