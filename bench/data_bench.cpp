// The data layer's hot paths: fetching a large result through the provider and
// folding rows into the work table (find by key, append or edit, post).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "data/client_dataset.h"
#include "data/sample_database.h"
#include "data/work_table.h"

namespace {

constexpr int kFetchedRows = 100000;

// 60,000 sample articles give a little over 100,000 packaging rows.
const std::string& SampleDatabase() {
  static QTemporaryDir dir;
  static const std::string path = [] {
    const std::string file = dir.path().toStdString() + "/bench.db";
    qr::data::CreateSampleSqliteFile(file, {.articles = 60000, .seed = 1, .progress = {}});
    return file;
  }();
  return path;
}

const char* kStatement =
    "Select C.Codigo,M.Descripcion as Nombre,C.Mult,M.Codigo as CodNombre,CodAlt,C.Unidad,"
    "M.Descripcion,M.Precio,M.Precio2,M.Precio3,M.Precio4,M.Precio5,M.Ban1 From CodAlt C,Mnlus M "
    "Where C.Codigo=M.Codigo and M.Codigo Between 1 and 999999 Limit 100000";

void BM_FetchThroughProvider(benchmark::State& state) {
  qr::data::SqlConnection connection(SampleDatabase());
  for (auto _ : state) {
    qr::data::ClientDataSet dataset;
    dataset.SetRemoteServer(&connection);
    dataset.SetProviderName(qr::data::kPriceListProvider);
    dataset.SetCommandText(kStatement);
    dataset.Open();
    if (dataset.RecordCount() != kFetchedRows) state.SkipWithError("short result");
    benchmark::DoNotOptimize(dataset.FieldByName("Mult").AsFloat());
  }
  state.SetItemsProcessed(state.iterations() * kFetchedRows);
}
BENCHMARK(BM_FetchThroughProvider)->Unit(benchmark::kMillisecond);

// 100,000 rows of 55,000 articles: most rows append, the rest edit the row of
// an article already posted, as a fold of packaging rows does.
void BM_FoldIntoWorkTable(benchmark::State& state) {
  QTemporaryDir dir;
  const std::filesystem::path alias = dir.path().toStdString();
  qr::data::CreatePriceListWorkTable(alias);
  for (auto _ : state) {
    qr::data::WorkTable table(alias, qr::data::kWorkTableName);
    table.SetExclusive(true);
    table.EmptyTable();
    table.Open();
    qr::data::Field& codigo = table.FieldByName("Codigo");
    qr::data::Field& compraCan = table.FieldByName("CompraCan");
    qr::data::Field& compraCos = table.FieldByName("CompraCos");
    for (int row = 0; row < kFetchedRows; ++row) {
      const double code = row % 55000 + 1;
      if (table.FindKey({1, code})) {
        table.Edit();
      } else {
        table.Append();
        table.FieldByName("Tienda").SetAsInteger(1);
        codigo.SetAsFloat(code);
        table.FieldByName("Descripcion").SetAsString("ACEITE VEGETAL LA ESPIGA 1 LT");
      }
      compraCan.SetAsFloat(12);
      compraCos.SetAsFloat(12 * 35.5);
      table.Post();
    }
    table.Close();
  }
  state.SetItemsProcessed(state.iterations() * kFetchedRows);
}
BENCHMARK(BM_FoldIntoWorkTable)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
