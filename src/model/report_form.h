#pragma once

#include <string>

#include "model/control.h"

namespace qr {

// The form a report definition's root stands for: it owns the report, its
// bands and controls and the data components. Its class is the one the
// definition names (an application's own form class).
class TReportForm : public Control {
 public:
  TReportForm(Component* owner, const ClassInfo& formClass)
      : Control(owner), formClass_(formClass) {}
  ~TReportForm() override {
    BeginDestruction();
    DestroyChildren();
  }
  const ClassInfo& Class() const override { return formClass_; }

  std::string Caption;

 private:
  const ClassInfo& formClass_;
};

// A form class of the given name, for a definition root.
ClassInfo MakeFormClass(std::string name);

}  // namespace qr
