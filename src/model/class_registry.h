#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/component.h"
#include "model/definition_value.h"

namespace qr {

struct ClassInfo;

// Reference fix-ups and other state of one read: component references are
// resolved once every component of the definition exists.
class ReadContext {
 public:
  using Resolve = std::function<void(Component* target)>;
  // Remembers a reference made on the current line.
  void AddReference(std::string name, Resolve resolve);
  int currentLine = 0;
  // Resolves every reference against the components of `root` (and `root`
  // itself); throws DefinitionError for a name that is not there.
  void ResolveReferences(Component& root);

  // Scratch values a class keeps between two of its properties (Functions
  // names arrive before their expressions).
  std::map<const void*, std::vector<std::string>> pendingLists;

 private:
  struct Reference {
    std::string name;
    int line;
    Resolve resolve;
  };
  std::vector<Reference> references_;
};

// One stored property of a class. Objects are passed untyped: a component as
// its Component*, a nested object (font, frame, size ...) as a pointer to
// its own type; the property knows which.
struct PropertyInfo {
  explicit PropertyInfo(std::string propertyName) : name(std::move(propertyName)) {}
  std::string name;
  // The value to store, or nothing when the property holds its default.
  std::function<std::optional<DefinitionValue>(void* object)> write;
  // Applies a read value; throws DefinitionError (without position) when the
  // value does not fit.
  std::function<void(void* object, const DefinitionValue& value, ReadContext& context)> read;
  // For a nested object: its class and where it lives inside the object.
  const ClassInfo* nestedClass = nullptr;
  std::function<void*(void* object)> nested;
};

// A class that definitions may name: how to create it and its stored
// properties (its parent's first).
struct ClassInfo {
  explicit ClassInfo(std::string className, const ClassInfo* parentClass = nullptr)
      : name(std::move(className)), parent(parentClass) {}
  std::string name;
  const ClassInfo* parent = nullptr;
  std::function<Component*(Component* owner)> create;  // empty for nested objects
  std::vector<PropertyInfo> properties;

  const PropertyInfo* FindProperty(std::string_view propertyName) const;
  // Parent's properties first, then this class's.
  std::vector<const PropertyInfo*> AllProperties() const;
  bool InheritsFrom(const ClassInfo& other) const;
};

// The classes a definition may contain, by name.
class ClassRegistry {
 public:
  void Register(const ClassInfo& info) { classes_[info.name] = &info; }
  const ClassInfo* Find(std::string_view name) const;

 private:
  std::map<std::string, const ClassInfo*, std::less<>> classes_;
};

// The classes of the report model (report, bands, groups, sub-details).
void RegisterModelClasses(ClassRegistry& registry);

}  // namespace qr
