#pragma once

#include <functional>

#include "engine/band_engine.h"
#include "expr/ev_value.h"
#include "model/controller.h"

namespace qr {

// Runs a report's data controllers: walks each controller's records and
// prints, through the band engine, its header, group headers on value
// changes, one detail per record with the nested controllers before and
// after it, group footers and its footer; steps aggregates per detail.
class ControllerRun {
 public:
  // `yield` is called between records so that a user interface stays
  // responsive (and a cancel request can arrive); it may be empty.
  ControllerRun(TQRCustomReport& report, BandEngine& engine, std::function<void()> yield);

  void PrepareRun(TQRCustomController& controller);
  void FinishRun(TQRCustomController& controller);
  void Run(TQRCustomController& controller);
  void RunEmpty(TQRCustomController& controller);
  void StepAggregates(TQRCustomController& controller);
  bool CheckGroupBreaks(TQRCustomController& controller);
  void PrintGroupHeaders(TQRCustomController& controller);
  void PrintGroupFooters(TQRCustomController& controller);
  void ReprintGroupHeaders(TQRCustomController& controller);

 private:
  void RunDetails(TQRController& controller);
  void RunBeforeControllers(TQRCustomController& controller);
  void RunAfterControllers(TQRCustomController& controller);
  void EvaluateGroup(TQRGroup& group);
  void ReevaluateFrom(TQRCustomController& controller, size_t first);
  void Yield();

  TQRCustomReport& report_;
  BandEngine& engine_;
  std::function<void()> yield_;
};

// Whether a group's new value differs from its last one: kinds first, then
// the value (texts byte for byte); error values never differ.
bool GroupValueChanged(const expr::TQREvValue& last, const expr::TQREvValue& next);

}  // namespace qr
