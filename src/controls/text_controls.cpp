#include "controls/text_controls.h"

#include <array>

#include "expr/environment.h"
#include "expr/numeric_picture.h"
#include "model/controller_band.h"
#include "model/report.h"

namespace qr {
namespace {

constexpr std::array<const char*, 7> kDataCaptions = {
    "Time", "Date", "Date/Time", "Page#", "Report title", "Detail count", "Detail no"};

}  // namespace

TQRExpr::TQRExpr(Component* owner)
    : TQRCustomLabel(owner), evaluator_(std::make_unique<expr::TQREvaluator>()) {}

TQRExpr::~TQRExpr() = default;

void TQRExpr::RefreshCaption() {
  SetCaption(expression_.empty() ? "(none)" : expression_);
}

void TQRExpr::SetExpression(const std::string& expression) {
  expression_ = expression;
  RefreshCaption();
}

void TQRExpr::SetMask(const std::string& mask) {
  mask_ = mask;
  RefreshCaption();
}

void TQRExpr::SetMaster(Component* master) {
  master_ = master;
  if (master) FreeNotification(master);
}

void TQRExpr::Notification(Component* removed) {
  TQRCustomLabel::Notification(removed);
  if (removed == master_) master_ = nullptr;
}

void TQRExpr::BeginPrinting() {
  TQRCustomLabel::BeginPrinting();
  if (OwnerReport) {
    evaluator_->SetDataSets(&OwnerReport->AllDataSets);
    evaluator_->SetEnvironment(&OwnerReport->Functions());
  }
  evaluator_->Compile(expression_);
  if (auto* report = dynamic_cast<TQRCustomReport*>(master_))
    report->AddAggregate(this);
  else if (auto* band = dynamic_cast<TQRControllerBand*>(master_))
    band->Controller().AddAggregate(this);
  else if (OwnerReport && evaluator_->HasAggregates())
    OwnerReport->AddAggregate(this);
  evaluator_->ResetAggregates();
}

void TQRExpr::Notify(Component* sender, int kind) {
  TQRCustomLabel::Notify(sender, kind);
  constexpr int kAggregateStep = 0;
  if (kind == kAggregateStep && evaluator_->Prepared()) evaluator_->Accumulate();
}

void TQRExpr::PrintAt(int offsetX, int offsetY) {
  if (!ShouldPrint()) return;
  SetPrintText(ValueText(evaluator_->Evaluate()));
  TQRCustomLabel::PrintAt(offsetX, offsetY);
  if (ResetAfterPrint) evaluator_->ResetAggregates();
}

std::string TQRExpr::ValueText(const expr::TQREvValue& value) const {
  switch (value.ValueKind) {
    case expr::EvKind::Integer:
    case expr::EvKind::Float:
      try {
        return expr::FormatNumeric(mask_, value.AsDouble());
      } catch (const expr::NumericPictureError& error) {
        return error.what();
      }
    case expr::EvKind::Boolean:
      return value.BooleanValue ? "True" : "False";
    default:  // a string, or an error's message
      return std::string(value.TextValue());
  }
}

void TQRExpr::EndPrinting() {
  evaluator_->SetDataSets(nullptr);
  evaluator_->Discard();
  TQRCustomLabel::EndPrinting();
  SetExpression(expression_);
}

TQRSysData::TQRSysData(Component* owner)
    : TQRCustomLabel(owner), Clock([] { return QDateTime::currentDateTime(); }) {
  RefreshCaption();
}

void TQRSysData::RefreshCaption() {
  SetCaption(text_ + "(" + kDataCaptions[static_cast<int>(data_)] + ")");
}

void TQRSysData::SetData(TQRSysDataType data) {
  data_ = data;
  RefreshCaption();
}

void TQRSysData::SetText(const std::string& text) {
  text_ = text;
  RefreshCaption();
}

void TQRSysData::PrintAt(int offsetX, int offsetY) {
  if (const std::optional<std::string> value = ValueText()) SetCaption(text_ + *value);
  TQRCustomLabel::PrintAt(offsetX, offsetY);
}

std::optional<std::string> TQRSysData::ValueText() const {
  const Locale& locale = Locale::Current();
  auto* report = dynamic_cast<TQRReport*>(OwnerReport);
  switch (data_) {
    case TQRSysDataType::qrsTime:
      return locale.FormatShortTime(Clock().time());
    case TQRSysDataType::qrsDate:
      return locale.FormatShortDate(Clock().date());
    case TQRSysDataType::qrsDateTime: {
      const QDateTime now = Clock();
      const QTime time = now.time();
      std::string text = locale.FormatShortDate(now.date());
      if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += " " + locale.FormatLongTime(time);
      return text;
    }
    case TQRSysDataType::qrsPageNumber:
      if (!OwnerReport) return std::nullopt;
      return std::to_string(OwnerReport->PageNumber);
    case TQRSysDataType::qrsReportTitle:
      if (!OwnerReport) return std::nullopt;
      return OwnerReport->ReportTitle;
    case TQRSysDataType::qrsDetailCount:
      if (!report) return std::nullopt;
      return std::to_string(DetailCount(*report));
    case TQRSysDataType::qrsDetailNo:
      if (!report) return std::nullopt;
      return std::to_string(report->Controller().DetailNumber);
  }
  return std::nullopt;
}

// The records of the report's dataset; 1 when there is no open dataset that can count.
int TQRSysData::DetailCount(TQRReport& report) {
  if (!report.DataSet()) return 1;
  try {
    data::Dataset& dataset = report.DataSet()->GetDataset();
    if (!dataset.Active()) return 1;
    const int count = dataset.RecordCount();
    return count < 0 ? 1 : count;
  } catch (const std::exception&) {
    return 1;
  }
}

}  // namespace qr
