#include "expr/environment.h"

#include "expr/messages.h"
#include "expr/text_case.h"

namespace qr::expr {
namespace {

// Set while an environment deactivates. Its entry evaluators then discard
// without deactivating the shared environment, so the shared entries, once
// compiled, stay compiled for the life of the process.
bool deactivating = false;

// Restores the flag however the deactivation ends.
class DeactivationScope {
 public:
  DeactivationScope() : previous_(deactivating) { deactivating = true; }
  ~DeactivationScope() { deactivating = previous_; }

 private:
  bool previous_;
};

}  // namespace

TQREvEmbeddedFunction::TQREvEmbeddedFunction(std::string expression)
    : expression_(std::move(expression)) {}

TQREvValue TQREvEmbeddedFunction::Value() {
  if (busy_) return TQREvValue::Error(kRecursiveCalls);
  busy_ = true;
  try {
    const TQREvValue value = evaluator_.Evaluate();
    busy_ = false;
    return value;
  } catch (...) {
    busy_ = false;
    throw;
  }
}

TQREvEnvironment::TQREvEnvironment() = default;

TQREvEnvironment::~TQREvEnvironment() {
  Clear();
}

void TQREvEnvironment::Define(std::string_view name, std::string_view expression) {
  const std::string upperName = UpperCase(name);
  if (Find(upperName)) return;
  items_.push_back({upperName, std::make_unique<TQREvEmbeddedFunction>(std::string(expression))});
  if (IsActive()) CompileEntry(*items_.back().entry);
}

void TQREvEnvironment::Remove(std::string_view name) {
  const std::string upperName = UpperCase(name);
  std::erase_if(items_, [&](const Item& item) { return item.name == upperName; });
}

void TQREvEnvironment::Clear() {
  // Entries go first, then the names, as the entries' evaluators may still
  // deactivate the shared environment while they are freed.
  for (Item& item : items_) item.entry.reset();
  items_.clear();
}

std::unique_ptr<TQREvElement> TQREvEnvironment::Lookup(std::string_view name) {
  if (Item* item = Find(UpperCase(name)))
    return std::make_unique<TQREvElementWrapper>(*item->entry);
  return std::make_unique<TQREvElementError>(FormatMessage(kUnknownFunction, name));
}

TQREvValue TQREvEnvironment::ValueOf(std::string_view name) {
  if (Item* item = Find(UpperCase(name))) return item->entry->Value();
  return TQREvValue::Error({});
}

TQREvElement* TQREvEnvironment::ConstantElement(std::string_view name) {
  Item* item = Find(UpperCase(name));
  if (!item) return nullptr;
  TQRFiFo* list = item->entry->Evaluator().List();
  return list && list->Count() > 0 ? &list->At(0) : nullptr;
}

void TQREvEnvironment::AssignText(TQREvElement* element, std::string_view text) {
  if (auto* string = dynamic_cast<TQREvElementString*>(element)) string->SetText(std::string(text));
}

void TQREvEnvironment::AssignInteger(TQREvElement* element, std::int32_t value) {
  if (auto* constant = dynamic_cast<TQREvElementConstant*>(element))
    constant->SetValue(TQREvValue::Integer(value));
}

void TQREvEnvironment::AssignValue(TQREvElement* element, const TQREvValue& value) {
  if (auto* constant = dynamic_cast<TQREvElementConstant*>(element)) {
    constant->SetValue(value);
  } else if (auto* string = dynamic_cast<TQREvElementString*>(element)) {
    if (value.ValueKind == EvKind::String) string->SetText(std::string(value.TextValue()));
  }
}

void TQREvEnvironment::Activate() {
  if (activationCount_++ > 0) return;
  for (Item& item : items_) CompileEntry(*item.entry);
}

void TQREvEnvironment::Deactivate() {
  if (deactivating && this == &SharedEnvironment()) return;
  // A deactivation without an activation would leave the count negative and
  // stop the next activation from compiling.
  if (activationCount_ == 0) return;
  DeactivationScope scope;
  if (--activationCount_ > 0) return;
  for (Item& item : items_) item.entry->Evaluator().Discard();
}

DatasetList& TQREvEnvironment::DataSets() {
  if (!dataSets_) {
    ownedDataSets_ = std::make_unique<DatasetList>();
    dataSets_ = ownedDataSets_.get();
  }
  return *dataSets_;
}

void TQREvEnvironment::SetDataSets(DatasetList* dataSets) {
  if (dataSets != ownedDataSets_.get()) ownedDataSets_.reset();
  dataSets_ = dataSets;
}

TQREvEnvironment::Item* TQREvEnvironment::Find(std::string_view name) {
  for (Item& item : items_)
    if (item.name == name) return &item;
  return nullptr;
}

void TQREvEnvironment::CompileEntry(TQREvEmbeddedFunction& entry) {
  TQREvaluator& evaluator = entry.Evaluator();
  evaluator.SetDataSets(&DataSets());
  evaluator.SetEnvironment(this);
  evaluator.Compile(entry.Expression());
}

}  // namespace qr::expr
