#pragma once

#include <memory>
#include <string>

#include "expr/evaluator.h"
#include "model/band.h"

namespace qr {

using expr::TQREvaluator;
using expr::TQREvValue;

// A group header band: a new value of Expression ends the group before it
// (its footer band) and begins a new one (this header).
class TQRGroup : public TQRCustomBand {
 public:
  explicit TQRGroup(Component* owner);
  ~TQRGroup() override;
  const ClassInfo& Class() const override;

  std::string Expression;
  bool ReprintOnNewPage = false;

  TQRCustomBand* FooterBand() const { return footerBand_; }
  // The band becomes a group footer band.
  void SetFooterBand(TQRCustomBand* band);
  Component* Master() const { return master_; }
  // Only a controller band or a report is accepted.
  void SetMaster(Component* master);

  void SetParent(Control* parent) override;

  // Run-time state of the group within one run.
  TQREvaluator& Evaluator() { return *evaluator_; }
  bool Changed = false;
  bool HasValue = false;
  TQREvValue LastValue;
  bool HeaderPrinted = false;
  int HeaderPage = 0;

 protected:
  void Notification(Component* removed) override;

 private:
  std::unique_ptr<TQREvaluator> evaluator_;
  TQRCustomBand* footerBand_ = nullptr;
  Component* master_ = nullptr;
};

}  // namespace qr
