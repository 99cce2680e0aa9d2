// Evaluating an expression without function calls must not touch the heap:
// this executable counts every allocation made through operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "expr/evaluator.h"
#include "expr_test_support.h"
#include "memory_dataset.h"

namespace {
std::atomic<long> allocationCount{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocationCount;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace qr::expr {
namespace {

using data::FieldKind;
using qrtest::MemoryDataset;

TEST(Allocation, EvaluatesWithoutHeapAllocationPerRecord) {
  MemoryDataset dataset("TempM_t", {{"CodNombre", FieldKind::Float},
                                    {"Nombre", FieldKind::String},
                                    {"Tienda", FieldKind::Integer}});
  for (int i = 0; i < 4; ++i)
    dataset.AddRow({MemoryDataset::Real(i + 0.5), MemoryDataset::Text("GRUPO " + std::to_string(i)),
                    MemoryDataset::Int(i)});
  DatasetList dataSets = {&dataset};
  const char* expressions[] = {
      "TempM_t.CodNombre",
      "CodNombre * 2 + Tienda",
      "Nombre + ' x'",
      "(Tienda > 1) and (Tienda < 3)",
      "COUNT",
      "SUM(CodNombre)",
      "not (Tienda = 2)",
  };
  for (const char* text : expressions) {
    SCOPED_TRACE(text);
    TQREvaluator evaluator;
    evaluator.SetDataSets(&dataSets);
    evaluator.Compile(text);
    evaluator.ResetAggregates();
    dataset.First();
    evaluator.Accumulate();  // the first call may size the argument lists
    evaluator.Evaluate();
    const long before = allocationCount.load();
    for (dataset.First(); !dataset.Eof(); dataset.Next()) {
      evaluator.Accumulate();
      evaluator.Evaluate();
    }
    EXPECT_EQ(allocationCount.load() - before, 0);
  }
}

}  // namespace
}  // namespace qr::expr
