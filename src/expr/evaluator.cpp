#include "expr/evaluator.h"

#include "expr/environment.h"
#include "expr/messages.h"

namespace qr::expr {
namespace {

// Clears the aggregation flag however the pass ends.
class AggregatePass {
 public:
  explicit AggregatePass(TQRFiFo& list) : list_(list) { list_.AggregateMode = true; }
  ~AggregatePass() { list_.AggregateMode = false; }

 private:
  TQRFiFo& list_;
};

}  // namespace

TQREvaluator::TQREvaluator() = default;

TQREvaluator::~TQREvaluator() {
  Discard();
}

void TQREvaluator::Compile(std::string_view text) {
  Discard();
  SharedEnvironment().Activate();
  list_ = std::make_unique<TQRFiFo>();
  ParseComparison(text.empty() ? "' '" : text);
  prepared_ = true;
}

void TQREvaluator::Discard() {
  // Only a compiled evaluator holds an activation of the shared environment.
  if (!prepared_) return;
  list_.reset();
  SharedEnvironment().Deactivate();
  prepared_ = false;
}

TQREvValue TQREvaluator::Evaluate() {
  if (!prepared_) throw ExpressionError(std::string(kEvaluatorNotPrepared));
  list_->Rewind();
  return ComputeNext(*list_);
}

void TQREvaluator::Accumulate() {
  if (!prepared_) throw ExpressionError(std::string(kEvaluatorNotPrepared));
  AggregatePass pass(*list_);
  Evaluate();
}

void TQREvaluator::ResetAggregates() {
  if (!prepared_) return;
  for (std::size_t i = 0; i < list_->Count(); ++i) list_->At(i).ResetState();
}

bool TQREvaluator::HasAggregates() const {
  if (!prepared_) return false;
  for (std::size_t i = 0; i < list_->Count(); ++i)
    if (list_->At(i).IsAggregate()) return true;
  return false;
}

TQREvValue TQREvaluator::EvaluateText(std::string_view text) {
  Compile(text);
  TQREvValue value;
  try {
    value = Evaluate();
  } catch (...) {
    Discard();
    throw;
  }
  Discard();
  return value;
}

DatasetList& TQREvaluator::DataSets() {
  if (!dataSets_) {
    ownedDataSets_ = std::make_unique<DatasetList>();
    dataSets_ = ownedDataSets_.get();
  }
  return *dataSets_;
}

void TQREvaluator::SetDataSets(DatasetList* dataSets) {
  if (dataSets != ownedDataSets_.get()) ownedDataSets_.reset();
  dataSets_ = dataSets;
}

}  // namespace qr::expr
