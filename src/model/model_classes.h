#pragma once

#include "model/class_registry.h"

// The stored classes of the report model, and the nested objects that
// controls share (font, frame, printable size).
namespace qr {

const ClassInfo& ControlClass();
const ClassInfo& PrintableClass();
const ClassInfo& FontClass();
const ClassInfo& FrameClass();

}  // namespace qr
