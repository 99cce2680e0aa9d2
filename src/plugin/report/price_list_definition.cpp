#include "plugin/report/price_list_definition.h"

#include "controls/engine_classes.h"
#include "model/definition_reader.h"
#include "model/report_form.h"

namespace rep {
namespace {

const qr::ClassInfo& ReportFormClass() {
  static const qr::ClassInfo info = [] {
    qr::ClassInfo form = qr::MakeFormClass("TFReporte");
    form.create = [](qr::Component* owner) {
      return new qr::TReportForm(owner, ReportFormClass());
    };
    return form;
  }();
  return info;
}

}  // namespace

const qr::ClassRegistry& PriceListClasses() {
  static const qr::ClassRegistry registry = [] {
    qr::ClassRegistry classes = qr::EngineClasses();
    classes.Register(ReportFormClass());
    return classes;
  }();
  return registry;
}

std::unique_ptr<qr::Component> LoadPriceListDefinition() {
  return qr::ReadDefinition(PriceListDefinitionText(), PriceListClasses());
}

}  // namespace rep
