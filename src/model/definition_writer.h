#pragma once

#include <string>

#include "model/component.h"

namespace qr {

// Writes a component tree as definition text: each object's stored
// properties that differ from their defaults, then its child objects (child
// controls in order, then the other components the root owns). Reading the
// text gives the same tree back.
std::string WriteDefinition(Component& root);

// A value as definition text: numbers, quoted texts with non-printable and
// non-ASCII characters as #codes, identifiers, sets and lists.
std::string FormatDefinitionValue(const struct DefinitionValue& value, int indent);

}  // namespace qr
