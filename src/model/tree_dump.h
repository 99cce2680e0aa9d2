#pragma once

#include <string>

#include "model/component.h"

namespace qr {

// One line per object, children indented under their parent: class, name,
// band type for bands, left, top, width and height in native units (0.1 mm)
// and whether the object is enabled.
std::string DumpComponentTree(Component& root);

}  // namespace qr
