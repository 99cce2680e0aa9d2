#include "model/class_registry.h"

#include "data/dataset.h"

namespace qr {

void ReadContext::AddReference(std::string name, Resolve resolve) {
  references_.push_back({std::move(name), currentLine, std::move(resolve)});
}

void ReadContext::ResolveReferences(Component& root) {
  for (const Reference& reference : references_) {
    Component* target = data::SameTextIgnoringAsciiCase(root.Name(), reference.name)
                            ? &root
                            : root.FindComponent(reference.name);
    if (target == nullptr)
      throw DefinitionError("line " + std::to_string(reference.line) + ": no component named '" +
                            reference.name + "'");
    reference.resolve(target);
  }
  references_.clear();
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view propertyName) const {
  for (const ClassInfo* info = this; info; info = info->parent)
    for (const PropertyInfo& property : info->properties)
      if (data::SameTextIgnoringAsciiCase(property.name, propertyName)) return &property;
  return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::AllProperties() const {
  std::vector<const PropertyInfo*> all =
      parent ? parent->AllProperties() : std::vector<const PropertyInfo*>{};
  for (const PropertyInfo& property : properties) all.push_back(&property);
  return all;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
  for (const ClassInfo* info = this; info; info = info->parent)
    if (info == &other) return true;
  return false;
}

const ClassInfo* ClassRegistry::Find(std::string_view name) const {
  const auto found = classes_.find(name);
  return found == classes_.end() ? nullptr : found->second;
}

}  // namespace qr
