#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "expr/element.h"
#include "expr/evaluator.h"

namespace qr::expr {

// One named expression of an environment, with an evaluator of its own.
// An entry that reaches itself again while computing (X defined as X + 1)
// gives the error "Recursive calls not allowed" instead of recursing.
class TQREvEmbeddedFunction : public TQREvElement {
 public:
  explicit TQREvEmbeddedFunction(std::string expression);

  TQREvValue Compute(TQRFiFo&) override { return Value(); }
  // Resets the aggregates of the entry's own expression.
  void ResetState() override { evaluator_.ResetAggregates(); }
  TQREvValue Value();

  const std::string& Expression() const { return expression_; }
  TQREvaluator& Evaluator() { return evaluator_; }

 private:
  std::string expression_;
  TQREvaluator evaluator_;
  bool busy_ = false;
};

// What a compiled expression holds for a name that an environment resolved.
// Resetting it does not reset the entry: the entry belongs to the environment.
class TQREvElementWrapper : public TQREvElement {
 public:
  explicit TQREvElementWrapper(TQREvEmbeddedFunction& entry) : entry_(entry) {}
  TQREvValue Compute(TQRFiFo&) override { return entry_.Value(); }
  TQREvEmbeddedFunction& Entry() const { return entry_; }

 private:
  TQREvEmbeddedFunction& entry_;
};

// Named expressions, in the order they were defined, under upper-case names.
// While active (after Activate, until the matching Deactivate) every entry is
// compiled against the environment's datasets and the environment itself.
class TQREvEnvironment {
 public:
  TQREvEnvironment();
  ~TQREvEnvironment();
  TQREvEnvironment(const TQREvEnvironment&) = delete;
  TQREvEnvironment& operator=(const TQREvEnvironment&) = delete;

  // Adds an entry unless the name exists (an existing entry keeps its
  // expression). A new entry of an active environment is compiled at once.
  void Define(std::string_view name, std::string_view expression);
  // Frees the entry; compiled expressions that refer to it must be gone.
  void Remove(std::string_view name);
  // Frees every entry.
  void Clear();

  // A new wrapper for the entry, or a TQREvElementError
  // "Unknown function : <name>". The caller owns the element.
  std::unique_ptr<TQREvElement> Lookup(std::string_view name);
  // The entry's value; an error value without a message when absent.
  TQREvValue ValueOf(std::string_view name);
  // The first element of the entry's compiled expression: a constant for a
  // number, a string element for a quoted text. Null when the entry is absent
  // or not compiled.
  TQREvElement* ConstantElement(std::string_view name);
  // Rewrite a constant element in place, so expressions see the new value
  // without compiling again. Elements of other classes, and null, are ignored.
  static void AssignText(TQREvElement* element, std::string_view text);
  static void AssignInteger(TQREvElement* element, std::int32_t value);
  static void AssignValue(TQREvElement* element, const TQREvValue& value);

  // Activations nest; the first compiles every entry, the last discards them.
  void Activate();
  void Deactivate();
  bool IsActive() const { return activationCount_ > 0; }

  std::size_t Count() const { return items_.size(); }
  const std::string& NameAt(std::size_t index) const { return items_[index].name; }
  TQREvEmbeddedFunction& EntryAt(std::size_t index) const { return *items_[index].entry; }

  // Creates an empty list owned by the environment when none was handed in.
  DatasetList& DataSets();
  void SetDataSets(DatasetList* dataSets);

 private:
  struct Item {
    std::string name;
    std::unique_ptr<TQREvEmbeddedFunction> entry;
  };

  Item* Find(std::string_view name);
  void CompileEntry(TQREvEmbeddedFunction& entry);

  std::vector<Item> items_;
  int activationCount_ = 0;
  DatasetList* dataSets_ = nullptr;
  std::unique_ptr<DatasetList> ownedDataSets_;
};

// The process-wide environment searched after an evaluator's own, holding
// AppStartTime, AppStartDate and AppName as quoted texts fixed at its
// creation. It lives until the process ends.
TQREvEnvironment& SharedEnvironment();

}  // namespace qr::expr
