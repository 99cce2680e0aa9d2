#pragma once

#include <memory>
#include <string_view>

#include "model/class_registry.h"
#include "model/component.h"

namespace rep {

// The price-list report's stored definition, compiled into the plug-in.
std::string_view PriceListDefinitionText();

// The engine's classes and the report form TFReporte.
const qr::ClassRegistry& PriceListClasses();

// The form FReporte with the report Reporte, its bands and controls and the
// work table component TempM_t, as the definition describes them.
std::unique_ptr<qr::Component> LoadPriceListDefinition();

}  // namespace rep
