#pragma once

#include <vector>

#include "model/units.h"

namespace qr {

class TQRCustomReport;

// Holds a group of lengths in native units and shows them in a presentation
// unit. The page, band sizes and printable sizes derive from it; each pushes
// its values to its owner's pixel bounds in ApplyToOwner.
class TQRUnitBase {
 public:
  TQRUnitBase();
  virtual ~TQRUnitBase() = default;

  int Resolution = 96;
  TQRUnit StashedUnits = TQRUnit::MM;
  bool Updating = false;
  int Zoom = 100;

  virtual double FromNative(TQRUnit units, Axis axis, double value) const;
  virtual double ToNative(TQRUnit units, Axis axis, double value) const;
  virtual TQRUnit Units() const { return units_; }
  virtual void AfterLoad() { ApplyToOwner(); }
  virtual void ApplyToOwner() {}
  virtual void SetUnits(TQRUnit units) { units_ = units; }

  // The native values in their stored order (the "Values" list).
  const std::vector<double>& Values() const { return values_; }
  // Stores a streamed list as native values, with no conversion and no rules.
  virtual void ReadValueList(const std::vector<double>& values);

  // Works temporarily in another unit: Stash, work, Restore.
  void StashUnits(TQRUnit temporary);
  void RestoreUnits();

  // The report whose font size the Characters unit follows; may be none.
  TQRCustomReport* MeasurementReport = nullptr;

 protected:
  explicit TQRUnitBase(std::vector<double> defaults);
  double Get(int index, Axis axis) const;
  // Stores a value given in the current unit; the caller performs the update step.
  void Store(int index, Axis axis, double value);
  double NativeAt(int index) const { return values_[index]; }
  void SetNativeAt(int index, double value) { values_[index] = value; }

 private:
  UnitContext Context() const;

  TQRUnit units_ = TQRUnit::MM;
  std::vector<double> values_;
};

}  // namespace qr
