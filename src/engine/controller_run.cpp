#include "engine/controller_run.h"

#include <cstring>

#include "model/dataset_component.h"
#include "model/group.h"
#include "model/printable.h"
#include "pages/qr_printer.h"

namespace qr {
namespace {

constexpr int kAggregateStep = 0;

bool Usable(data::Dataset* dataset) {
  return dataset != nullptr && dataset->Active();
}

data::Dataset* DatasetOf(TQRController& controller) {
  return controller.DataSet() ? &controller.DataSet()->GetDataset() : nullptr;
}

}  // namespace

bool GroupValueChanged(const expr::TQREvValue& last, const expr::TQREvValue& next) {
  using expr::EvKind;
  if (last.ValueKind != next.ValueKind) return true;
  switch (next.ValueKind) {
    case EvKind::Integer:
      return last.IntegerValue != next.IntegerValue;
    case EvKind::Float:
      return std::memcmp(&last.FloatValue, &next.FloatValue, sizeof(double)) != 0;
    case EvKind::String:
      return last.TextValue() != next.TextValue();
    case EvKind::Boolean:
      return last.BooleanValue != next.BooleanValue;
    case EvKind::Error:
      return false;
  }
  return false;
}

ControllerRun::ControllerRun(TQRCustomReport& report, BandEngine& engine,
                             std::function<void()> yield)
    : report_(report), engine_(engine), yield_(std::move(yield)) {
  engine_.StepAggregates = [this](TQRCustomController& controller) { StepAggregates(controller); };
  engine_.ReprintGroupHeaders = [this] { ReprintGroupHeaders(report_.Controller()); };
}

void ControllerRun::Yield() {
  if (yield_) yield_();
}

void ControllerRun::PrepareRun(TQRCustomController& controller) {
  controller.Aggregates.clear();
  for (TQRCustomController* nested : controller.BeforeControllers) PrepareRun(*nested);
  for (TQRCustomController* nested : controller.AfterControllers) PrepareRun(*nested);
  for (TQRGroup* group : controller.Groups) {
    expr::TQREvaluator& evaluator = group->Evaluator();
    evaluator.SetDataSets(&report_.AllDataSets);
    evaluator.SetEnvironment(&report_.Functions());
    evaluator.Compile(group->Expression);
    group->HasValue = false;
    group->HeaderPage = 1;
  }
}

void ControllerRun::FinishRun(TQRCustomController& controller) {
  for (TQRCustomController* nested : controller.BeforeControllers) FinishRun(*nested);
  for (TQRCustomController* nested : controller.AfterControllers) FinishRun(*nested);
  for (TQRGroup* group : controller.Groups) group->Evaluator().Discard();
}

void ControllerRun::RunBeforeControllers(TQRCustomController& controller) {
  for (TQRCustomController* nested : controller.BeforeControllers) Run(*nested);
}

void ControllerRun::RunAfterControllers(TQRCustomController& controller) {
  for (TQRCustomController* nested : controller.AfterControllers) Run(*nested);
}

void ControllerRun::RunEmpty(TQRCustomController& controller) {
  auto* full = dynamic_cast<TQRController*>(&controller);
  if (full) engine_.OutputBand(full->HeaderBand());
  RunBeforeControllers(controller);
  if (full) engine_.OutputBand(full->DetailBand());
  RunAfterControllers(controller);
  if (full) engine_.OutputBand(full->FooterBand());
}

void ControllerRun::Run(TQRCustomController& controller) {
  auto* full = dynamic_cast<TQRController*>(&controller);
  if (full == nullptr) {
    if (controller.PrintIfEmpty) RunEmpty(controller);
    return;
  }
  RunDetails(*full);
}

void ControllerRun::RunDetails(TQRController& controller) {
  for (TQRGroup* group : controller.Groups) group->HasValue = false;
  int recordTotal = 1;
  data::Dataset* dataset = DatasetOf(controller);
  if ((!Usable(dataset) && !controller.OnNeedData) || controller.OwnerReport == nullptr) {
    if (controller.PrintIfEmpty) RunEmpty(controller);
    return;
  }
  bool moreData = true;
  const bool useDataSet = Usable(dataset);
  if (useDataSet) {
    dataset->First();
    moreData = !dataset->Eof();
    data::Dataset* reportData = report_.DataSet() ? &report_.DataSet()->GetDataset() : nullptr;
    if (Usable(reportData)) recordTotal = std::max(reportData->RecordCount(), 0);
    if (!moreData && controller.PrintIfEmpty) RunEmpty(controller);
  } else if (controller.OnNeedData) {
    controller.OnNeedData(*controller.Host, moreData);
  }
  controller.DetailNumber = 0;
  if (controller.DetailBand()) controller.DetailBand()->DetailController = &controller;
  if (!moreData) return;
  Yield();
  if (report_.Cancelled) return;
  const bool hostIsReport = controller.Host == &report_;
  if (controller.HeaderBand()) {
    engine_.OutputBand(controller.HeaderBand());
    if (hostIsReport) report_.SkipNextForcedPage = true;
  }
  if (hostIsReport && report_.PageNumber <= 1) {
    TQRCustomBand* columnHeader = report_.Bands().BandOfIndex(3);
    if (columnHeader && columnHeader->Enabled) {
      engine_.OutputBand(columnHeader);
      report_.SkipNextForcedPage = true;
    }
  }
  CheckGroupBreaks(controller);
  TQRPrinter& printer = *report_.QRPrinter;
  while (moreData) {
    Yield();
    if (printer.CancelRequested) return;
    ++controller.DetailNumber;
    PrintGroupHeaders(controller);
    RunBeforeControllers(controller);
    engine_.OutputBand(controller.DetailBand());
    RunAfterControllers(controller);
    if (useDataSet) {
      dataset->Next();
      moreData = !dataset->Eof();
    } else {
      moreData = false;
      if (controller.OnNeedData) controller.OnNeedData(*controller.Host, moreData);
    }
    if (CheckGroupBreaks(controller)) {
      // Group footers see the last record of the group that ends.
      if (useDataSet) dataset->Prior();
      PrintGroupFooters(controller);
      if (useDataSet) dataset->Next();
    }
    if (useDataSet && dataset == (report_.DataSet() ? &report_.DataSet()->GetDataset() : nullptr) &&
        recordTotal != 0)
      printer.NotifyProgress(controller.DetailNumber * 100 / recordTotal);
  }
  for (TQRGroup* group : controller.Groups) group->Changed = !group->Changed;
  PrintGroupFooters(controller);
  if (TQRCustomBand* footer = controller.FooterBand()) {
    if (report_.PageNumber == 0) engine_.StartNewPage();
    if (footer->Size().NativeHeight() > engine_.SpaceLeft()) engine_.StartNextColumn();
    engine_.OutputBand(footer);
  }
}

void ControllerRun::StepAggregates(TQRCustomController& controller) {
  for (TQRPrintable* control : controller.Aggregates) control->Notify(&controller, kAggregateStep);
}

void ControllerRun::EvaluateGroup(TQRGroup& group) {
  group.Changed = false;
  if (!group.HasValue) {
    group.LastValue = group.Evaluator().Evaluate();
    group.Changed = true;
    group.HasValue = true;
    return;
  }
  const expr::TQREvValue next = group.Evaluator().Evaluate();
  group.Changed = GroupValueChanged(group.LastValue, next);
  if (group.Changed) group.LastValue = next;
}

// Groups inside a changed one start again: they are evaluated anew and marked changed.
void ControllerRun::ReevaluateFrom(TQRCustomController& controller, size_t first) {
  for (size_t i = first; i < controller.Groups.size(); ++i) {
    TQRGroup& group = *controller.Groups[i];
    group.LastValue = group.Evaluator().Evaluate();
    group.Changed = true;
    group.HasValue = true;
  }
}

bool ControllerRun::CheckGroupBreaks(TQRCustomController& controller) {
  for (size_t i = 0; i < controller.Groups.size(); ++i) {
    EvaluateGroup(*controller.Groups[i]);
    if (controller.Groups[i]->Changed) {
      ReevaluateFrom(controller, i + 1);
      return true;
    }
  }
  return false;
}

void ControllerRun::PrintGroupHeaders(TQRCustomController& controller) {
  for (TQRGroup* group : controller.Groups) {
    if (!group->Changed) continue;
    engine_.OutputBand(group);
    group->HeaderPrinted = true;
    group->HeaderPage = report_.PageNumber;
  }
}

void ControllerRun::PrintGroupFooters(TQRCustomController& controller) {
  for (auto it = controller.Groups.rbegin(); it != controller.Groups.rend(); ++it) {
    TQRGroup& group = **it;
    if (!group.Changed) continue;
    if (group.FooterBand()) engine_.OutputBand(group.FooterBand());
    group.HeaderPrinted = false;
  }
}

void ControllerRun::ReprintGroupHeaders(TQRCustomController& controller) {
  for (TQRGroup* group : controller.Groups)
    if (group->Changed) return;
  for (TQRCustomController* nested : controller.BeforeControllers) ReprintGroupHeaders(*nested);
  bool marked = false;
  for (size_t i = 0; i < controller.Groups.size(); ++i) {
    TQRGroup& group = *controller.Groups[i];
    group.Changed =
        group.ReprintOnNewPage && group.HeaderPrinted && report_.PageNumber != group.HeaderPage;
    if (!group.Changed) continue;
    group.HeaderPage = report_.PageNumber;
    ReevaluateFrom(controller, i + 1);
    marked = true;
    break;
  }
  if (marked) PrintGroupHeaders(controller);
  for (TQRCustomController* nested : controller.AfterControllers) ReprintGroupHeaders(*nested);
}

}  // namespace qr
