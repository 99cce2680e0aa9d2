#include "model/unit_base.h"

#include "model/report.h"
#include "platform/locale.h"
#include "platform/text_measurer.h"

namespace qr {
namespace {

TQRUnit LocaleUnits() {
  return Locale::Current().measurementSystem == MeasurementSystem::US ? TQRUnit::Inches
                                                                      : TQRUnit::MM;
}

}  // namespace

TQRUnitBase::TQRUnitBase() : TQRUnitBase(std::vector<double>{}) {}

TQRUnitBase::TQRUnitBase(std::vector<double> defaults)
    : Resolution(ReferencePixelsPerInch()),
      StashedUnits(LocaleUnits()),
      units_(LocaleUnits()),
      values_(std::move(defaults)) {}

UnitContext TQRUnitBase::Context() const {
  UnitContext context;
  context.resolution = Resolution;
  context.zoom = Zoom;
  if (MeasurementReport) context.fontSize = MeasurementReport->Font().Size();
  return context;
}

double TQRUnitBase::FromNative(TQRUnit units, Axis axis, double value) const {
  return qr::FromNative(units, axis, value, Context());
}

double TQRUnitBase::ToNative(TQRUnit units, Axis axis, double value) const {
  return qr::ToNative(units, axis, value, Context());
}

void TQRUnitBase::ReadValueList(const std::vector<double>& values) {
  for (size_t i = 0; i < values.size() && i < values_.size(); ++i) values_[i] = values[i];
}

void TQRUnitBase::StashUnits(TQRUnit temporary) {
  StashedUnits = Units();
  SetUnits(temporary);
}

void TQRUnitBase::RestoreUnits() {
  SetUnits(StashedUnits);
}

double TQRUnitBase::Get(int index, Axis axis) const {
  return FromNative(Units(), axis, values_[index]);
}

void TQRUnitBase::Store(int index, Axis axis, double value) {
  values_[index] = ToNative(Units(), axis, value);
}

}  // namespace qr
