#pragma once

#include "model/class_registry.h"

namespace qr {

// Every class the report engine reads from definitions: the report model's
// and the printable controls'.
void RegisterControlClasses(ClassRegistry& registry);
const ClassRegistry& EngineClasses();

}  // namespace qr
