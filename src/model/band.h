#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/band_size.h"
#include "model/band_type.h"
#include "model/base_panel.h"
#include "platform/geometry.h"

namespace qr {

class TQRCustomReport;
class TQRCustomController;
class TQRChildBand;

// What the printable controls of a band ask of the band engine while the band
// prints: room to grow below its design height. Amounts are native units.
// The band engine provides it to the report for a run.
class BandStretcher {
 public:
  virtual ~BandStretcher() = default;
  virtual bool CanStretch(TQRCustomBand& band, double amount) = 0;
  // Grows the band by `amount` unless `done` is clear and the band already
  // grew more than `amount` (then the result is true); `newHeight` receives
  // the band's total stretch and `done` is set. Changes nothing and gives
  // false when the band cannot stretch.
  virtual bool StretchBy(TQRCustomBand& band, double amount, double& newHeight, bool& done) = 0;
};

// A band of a report: a strip the band engine places on the page and on which
// printable controls draw. Bands placed on a band end up on its report.
class TQRCustomBand : public TQRBasePanel {
 public:
  explicit TQRCustomBand(Component* owner);
  ~TQRCustomBand() override;

  std::function<void(TQRCustomBand& sender, bool& printBand)> BeforePrint;
  std::function<void(TQRCustomBand& sender, bool bandPrinted)> AfterPrint;

  bool AlignToBottom = false;
  bool Enabled = true;
  bool TransparentBand = false;
  bool ForceNewColumn = false;
  bool ForceNewPage = false;
  bool PreCaluculateBandHeight = false;
  bool KeepOnOnePage = false;

  TQRBandType BandType() const { return bandType_; }
  virtual void SetBandType(TQRBandType type);
  // Changes the type for the moment of one output, without re-ordering.
  void SetBandTypeForRun(TQRBandType type) { bandType_ = type; }
  TQRBandSize& Size() { return *size_; }
  const TQRBandSize& Size() const { return *size_; }

  TQRCustomBand* LinkBand() const { return linkBand_; }
  // Refused (silently) when it would close a cycle of links.
  void SetLinkBand(TQRCustomBand* band);

  // The first child band in the report's band list whose ParentBand is this band.
  TQRChildBand* ChildBand() const;
  bool HasChild() const { return ChildBand() != nullptr; }
  void SetHasChild(bool hasChild);

  // Run-time fields kept by the band engine and the controllers.
  TQRCustomReport* OwnerReport = nullptr;
  TQRCustomController* DetailController = nullptr;
  double StretchHeight = 0;
  Rect PrintedRect;

  // Asked of the report's stretcher; without one (no run) a band cannot stretch.
  bool CanStretch(double amount);
  bool StretchBy(double amount, double& newHeight, bool& done);

  virtual std::string BandCaption() const;
  virtual std::string BandNamePrefix() const;
  virtual void SetOwnerReport(TQRCustomReport* report);

  void SetParent(Control* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  // Set while the report moves the band, so that the move does not re-arrange.
  bool Arranging = false;

 protected:
  void Notification(Component* removed) override;
  // Bands whose order or size depends on this one's settings re-order.
  void ReorderReport();

 private:
  TQRBandType bandType_ = TQRBandType::rbTitle;
  std::unique_ptr<TQRBandSize> size_;
  TQRCustomBand* linkBand_ = nullptr;
  int streamedPixelHeight_ = 0;
};

// A band whose type is chosen in the definition.
class TQRBand : public TQRCustomBand {
 public:
  explicit TQRBand(Component* owner) : TQRCustomBand(owner) {}
  const ClassInfo& Class() const override;
};

// A band printed right after its parent band.
class TQRChildBand : public TQRCustomBand {
 public:
  explicit TQRChildBand(Component* owner);
  const ClassInfo& Class() const override;

  TQRCustomBand* ParentBand() const { return parentBand_; }
  // Refused when the chain of parents leads back to this band, and while the
  // band is not on a report.
  void SetParentBand(TQRCustomBand* band);

 protected:
  void Notification(Component* removed) override;

 private:
  TQRCustomBand* parentBand_ = nullptr;
};

// The pixel height every new band starts with.
inline constexpr int kNewBandPixelHeight = 40;

}  // namespace qr
