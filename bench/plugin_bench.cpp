// The price list's whole run without the dialog: statement, fetch, fold, sort
// index, the preparation pass and the preview pass, over sample shops of
// 10,000 and 100,000 articles.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <map>

#include "data/sample_database.h"
#include "data/work_table.h"
#include "engine/saving_preview.h"
#include "plugin/price_list_run.h"

namespace {

class NoProgressBar : public rep::ProgressBar {
 public:
  void SetVisible(bool) override {}
  void SetMax(int) override {}
  void SetPosition(int) override {}
};

QTemporaryDir& WorkDirectory() {
  static QTemporaryDir dir;
  return dir;
}

const std::string& SampleShop(int articles) {
  static std::map<int, std::string> shops;
  auto [it, added] = shops.try_emplace(articles);
  if (added) {
    it->second = WorkDirectory().path().toStdString() + "/shop" + std::to_string(articles) + ".db";
    qr::data::CreateSampleSqliteFile(it->second, {.articles = articles, .seed = 1, .progress = {}});
  }
  return it->second;
}

void BM_HeadlessPriceListRun(benchmark::State& state) {
  const int articles = static_cast<int>(state.range(0));
  qr::data::SqlConnection shop(SampleShop(articles));
  const std::filesystem::path alias = WorkDirectory().path().toStdString() + "/Temp";
  qr::data::CreatePriceListWorkTable(alias);
  qr::data::SetAliasTempDirectory(alias);
  NoProgressBar bar;
  qr::SavingPreview preview;  // generates the preview pass and keeps its pages in the store
  for (auto _ : state) rep::RunPriceList(shop, bar, {1, 2, "1", "999999999"}, preview);
  state.SetItemsProcessed(state.iterations() * articles);
}
BENCHMARK(BM_HeadlessPriceListRun)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
