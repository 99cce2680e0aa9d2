// Cost per record of evaluating compiled expressions over the work table.
// Each benchmark stands on one row and repeats what the report does for every
// record; "allocations" is the average number of heap allocations per record.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <atomic>
#include <cstdlib>
#include <new>

#include "data/work_table.h"
#include "expr/evaluator.h"

namespace {
std::atomic<long> allocationCount{0};
}  // namespace

void* operator new(std::size_t size) {
  allocationCount.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using qr::expr::TQREvaluator;

constexpr int kRows = 100;

// A work table with a few rows, open and standing on the first one.
class SampleWorkTable {
 public:
  SampleWorkTable() : table_(directory_.path().toStdString(), qr::data::kWorkTableName) {
    qr::data::CreatePriceListWorkTable(directory_.path().toStdString());
    table_.SetName("TempM_t");
    table_.Open();
    for (int row = 0; row < kRows; ++row) AppendArticle(row);
    table_.First();
    dataSets_ = {&table_};
  }
  ~SampleWorkTable() { table_.Close(); }

  qr::expr::DatasetList& DataSets() { return dataSets_; }

 private:
  void AppendArticle(int row) {
    table_.Append();
    table_.FieldByName("Tienda").SetAsInteger(1);
    table_.FieldByName("Codigo").SetAsFloat(row);
    table_.FieldByName("Descripcion").SetAsString("ARTICULO " + std::to_string(row));
    table_.FieldByName("CodNombre").SetAsFloat(row % 7);
    table_.FieldByName("CompraCan").SetAsFloat(12);
    table_.FieldByName("CompraCos").SetAsFloat(290.19 + row);
    table_.Post();
  }

  QTemporaryDir directory_;
  qr::data::WorkTable table_;
  qr::expr::DatasetList dataSets_;
};

SampleWorkTable& Table() {
  static SampleWorkTable table;
  return table;
}

void ReportAllocations(benchmark::State& state, long before) {
  state.counters["allocations"] = benchmark::Counter(
      static_cast<double>(allocationCount.load() - before), benchmark::Counter::kAvgIterations);
}

void Evaluate(benchmark::State& state, const char* expression) {
  TQREvaluator evaluator;
  evaluator.SetDataSets(&Table().DataSets());
  evaluator.Compile(expression);
  const long before = allocationCount.load();
  for (auto _ : state) benchmark::DoNotOptimize(evaluator.Evaluate());
  ReportAllocations(state, before);
}

void AccumulateAndEvaluate(benchmark::State& state, const char* expression) {
  TQREvaluator evaluator;
  evaluator.SetDataSets(&Table().DataSets());
  evaluator.Compile(expression);
  evaluator.ResetAggregates();
  evaluator.Accumulate();  // sizes the argument list once
  const long before = allocationCount.load();
  for (auto _ : state) {
    evaluator.Accumulate();
    benchmark::DoNotOptimize(evaluator.Evaluate());
  }
  ReportAllocations(state, before);
}

void BM_FieldReference(benchmark::State& state) {
  Evaluate(state, "TempM_t.CodNombre");
}
void BM_StringFieldReference(benchmark::State& state) {
  Evaluate(state, "TempM_t.Descripcion");
}
void BM_ArithmeticOverTwoFields(benchmark::State& state) {
  Evaluate(state, "TempM_t.CompraCan * TempM_t.CompraCos + 1");
}
void BM_AccumulateEvaluateCount(benchmark::State& state) {
  AccumulateAndEvaluate(state, "COUNT");
}
void BM_AccumulateEvaluateSum(benchmark::State& state) {
  AccumulateAndEvaluate(state, "SUM(TempM_t.CompraCos)");
}

BENCHMARK(BM_FieldReference);
BENCHMARK(BM_StringFieldReference);
BENCHMARK(BM_ArithmeticOverTwoFields);
BENCHMARK(BM_AccumulateEvaluateCount);
BENCHMARK(BM_AccumulateEvaluateSum);

}  // namespace

BENCHMARK_MAIN();
