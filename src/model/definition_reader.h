#pragma once

#include <memory>
#include <string_view>

#include "model/class_registry.h"
#include "model/component.h"

namespace qr {

// Reads a report definition ("object Name: TClass ... end" blocks with
// "Property = value" lines) into a new component tree owned by the returned
// root. Components are created through `registry`; nested objects become
// children of the enclosing control and are owned by the root. After
// reading, references are resolved and every component is told it has
// loaded, children before their parents.
// Throws DefinitionError "line N: ..." for text it cannot read, an unknown
// class or property, or a value that does not fit.
std::unique_ptr<Component> ReadDefinition(std::string_view text, const ClassRegistry& registry);

}  // namespace qr
