// Page store speed: the coder both ways, storing and fetching a long report's
// pages across the move to a temporary file, and recording and replaying one
// page of a price list (about 700 texts).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <random>

#include "pages/page_list.h"
#include "pages/qr_compress.h"
#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"
#include "platform/memory_stream.h"
#include "platform/painter_canvas.h"
#include "platform/text_measurer.h"
#include "support/sample_pages.h"

namespace {

constexpr int kRowsPerPage = 100;  // seven texts a row: about 700 per page
constexpr int kReportPages = 2000;
constexpr int kDistinctPages = 16;

const qr::Metafile& SamplePage() {
  static const qr::Metafile page = qrtest::RecordPriceListPage(1, kRowsPerPage);
  return page;
}

void BM_CoderCompress(benchmark::State& state) {
  const std::vector<std::uint8_t>& data = SamplePage().Bytes();
  for (auto _ : state) {
    qr::MemoryStream target;
    qr::CompressBlock(data, target);
    benchmark::DoNotOptimize(target.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_CoderCompress)->Unit(benchmark::kMillisecond);

void BM_CoderExpand(benchmark::State& state) {
  const std::vector<std::uint8_t>& data = SamplePage().Bytes();
  qr::MemoryStream coded;
  qr::CompressBlock(data, coded);
  state.counters["ratio"] = static_cast<double>(coded.Size()) / data.size();
  for (auto _ : state) {
    coded.Seek(0, qr::SeekOrigin::Begin);
    benchmark::DoNotOptimize(qr::ExpandBlock(coded, 1 << 26).data());
  }
  state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_CoderExpand)->Unit(benchmark::kMillisecond);

// Adds 2,000 pages to a store with the default memory limit (so it moves to a
// temporary file after the second page), then fetches each once in random
// order. Argument: compression off or on.
void BM_AddAndGetPages(benchmark::State& state) {
  std::vector<qr::Metafile> pages;
  for (int i = 1; i <= kDistinctPages; ++i)
    pages.push_back(qrtest::RecordPriceListPage(i, kRowsPerPage));
  std::vector<int> order(kReportPages);
  for (int i = 0; i < kReportPages; ++i) order[i] = i + 1;
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  std::int64_t bytes = 0;
  for (auto _ : state) {
    qr::TQRPageList list;
    list.SetCompression(state.range(0) != 0);
    list.AttachStream(qr::TQRStream::CreateInMemory(250000));
    for (int n = 0; n < kReportPages; ++n) list.AddPage(pages[n % kDistinctPages]);
    for (int n : order) benchmark::DoNotOptimize(list.GetPage(n)->ByteCount());
    bytes = list.Stream()->Size();
  }
  state.counters["store_MB"] = bytes / 1e6;
  state.counters["pages/s"] =
      benchmark::Counter(2.0 * kReportPages * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AddAndGetPages)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RecordPage(benchmark::State& state) {
  SamplePage();  // fonts loaded and advances cached, as in a running report
  for (auto _ : state) benchmark::DoNotOptimize(qrtest::RecordPriceListPage(2, kRowsPerPage));
}
BENCHMARK(BM_RecordPage)->Unit(benchmark::kMicrosecond);

void BM_PlayPageToImage(benchmark::State& state) {
  const qr::Metafile& page = SamplePage();
  QImage image(page.Width(), page.Height(), QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    qr::PainterCanvas canvas(painter);
    qr::PlayMetafile(page, canvas);
  }
}
BENCHMARK(BM_PlayPageToImage)->Unit(benchmark::kMillisecond);

void BM_PlayPageToText(benchmark::State& state) {
  const qr::Metafile& page = SamplePage();
  for (auto _ : state) {
    qr::DumpCanvas dump;
    qr::PlayMetafile(page, dump);
    benchmark::DoNotOptimize(dump.Text().size());
  }
}
BENCHMARK(BM_PlayPageToText)->Unit(benchmark::kMicrosecond);

void BM_MeasureText(benchmark::State& state) {
  const qr::CanvasFont font{"Arial", 11};
  const char* const texts[] = {"ARTICULO DE PRUEBA 1234", "12.50", "PRES1 MEN", "Código"};
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(qr::TextMeasurer::Width(font, texts[i++ % 4]));
}
BENCHMARK(BM_MeasureText);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
