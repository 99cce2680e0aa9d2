#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "expr/element_function.h"

namespace qr::expr {

// Creates a new element of one function class.
using FunctionElementFactory = std::unique_ptr<TQREvElementFunction> (*)();

template <typename FunctionClass>
std::unique_ptr<TQREvElementFunction> NewFunctionElement() {
  return std::make_unique<FunctionClass>();
}

// One registered function, with what design tools show of it.
struct TQRLibraryEntry {
  // The call syntax, '|', and a one-line explanation.
  std::string Description;
  // A category digit (1 date & time, 2 math, 3 statistical, 4 database,
  // 5 logical, 6 information, 7 other) and one letter per argument
  // (N numeric, S string, B boolean, V any value).
  std::string ArgCode;
  FunctionElementFactory ElementClass = nullptr;
  std::string Name;  // upper case
  std::string Author;
};

// Functions by name, in registration order.
class TQRLibrary {
 public:
  void Add(TQRLibraryEntry entry) { entries_.push_back(std::move(entry)); }
  // A new element of the function called `name` (any case), or a
  // TQREvElementError "Unknown function : <name>".
  std::unique_ptr<TQREvElement> CreateElement(std::string_view name) const;
  const TQRLibraryEntry* Find(std::string_view name) const;
  std::size_t EntryCount() const { return entries_.size(); }
  const TQRLibraryEntry& EntryAt(std::size_t index) const { return entries_[index]; }

 private:
  std::vector<TQRLibraryEntry> entries_;
};

class TQRFunctionLibrary : public TQRLibrary {};

// The process-wide registry, holding the built-in functions from its first use.
TQRFunctionLibrary& FunctionRegistry();

void AddLibraryFunction(FunctionElementFactory elementClass, std::string name,
                        std::string description, std::string author, std::string argCode);

// The author label of every built-in function.
inline constexpr std::string_view kBuiltInAuthor = "Report engine";

}  // namespace qr::expr
