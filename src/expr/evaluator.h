#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/dataset.h"
#include "expr/ev_value.h"
#include "expr/fifo.h"

namespace qr::expr {

class TQREvEnvironment;

// The datasets whose fields an expression may name, searched in order.
using DatasetList = std::vector<data::Dataset*>;

// Compiles an expression once into a prefix element list and evaluates it per
// record. Compiling never fails: malformed text becomes error elements, which
// evaluate to error values carrying their message.
//
// Typical use: set DataSets and Environment, Compile, ResetAggregates,
// then per record Accumulate (for aggregates) and Evaluate when the value is
// needed, and Discard at the end. Field elements refer to their datasets, which
// must outlive the compiled list.
class TQREvaluator {
 public:
  TQREvaluator();
  virtual ~TQREvaluator();
  TQREvaluator(const TQREvaluator&) = delete;
  TQREvaluator& operator=(const TQREvaluator&) = delete;

  // Discards a previous compilation first. Every compilation keeps the shared
  // environment active until Discard. An empty text compiles as ' '.
  void Compile(std::string_view text);
  void Discard();
  bool Prepared() const { return prepared_; }

  // Computes the first element tree. Throws ExpressionError
  // "Evaluator not prepared" before Compile.
  TQREvValue Evaluate();
  // One evaluation in aggregation mode: aggregates take in the current record.
  void Accumulate();
  void ResetAggregates();
  bool HasAggregates() const;
  // Compile, Evaluate, Discard.
  TQREvValue EvaluateText(std::string_view text);

  // Creates an empty list owned by the evaluator when none was handed in.
  DatasetList& DataSets();
  // Not owned; replaces (and frees) an owned list.
  void SetDataSets(DatasetList* dataSets);
  bool HasDataSets() const { return dataSets_ != nullptr; }

  // Searched before the shared environment; not owned; may be null.
  TQREvEnvironment* Environment() const { return environment_; }
  void SetEnvironment(TQREvEnvironment* environment) { environment_ = environment; }

  // The compiled list; null while not prepared.
  TQRFiFo* List() const { return list_.get(); }

 protected:
  // Appends the element of a call `name(arguments)`, or of a plain name when
  // `arguments` is empty and no function has that name.
  virtual void ResolveCall(std::string_view name, std::string_view arguments);
  // Appends a dataset field element, or else the environments' element.
  virtual void ResolveName(std::string_view name);

  void Append(std::unique_ptr<TQREvElement> element) { list_->Append(std::move(element)); }
  void AppendError(std::string message);
  void ResolveInEnvironment(std::string_view name);

  void ParseComparison(std::string_view text);
  void ParseSum(std::string_view text);
  void ParseTerm(std::string_view text);
  void ParseFactor(std::string_view text);
  void ParseNumber(std::string_view text);
  void ParseIdentifier(std::string_view text);

 private:
  bool NestingAllowed(std::string_view text);

  data::Field* FindField(std::string_view prefix, std::string_view fieldName,
                         data::Dataset*& dataset);

  // Parse calls now open; bounds the nesting of compiled lists, whose
  // evaluation recurses as deeply.
  int parseDepth_ = 0;
  std::unique_ptr<TQRFiFo> list_;
  bool prepared_ = false;
  DatasetList* dataSets_ = nullptr;
  std::unique_ptr<DatasetList> ownedDataSets_;
  TQREvEnvironment* environment_ = nullptr;
};

}  // namespace qr::expr
