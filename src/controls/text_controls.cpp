#include "controls/text_controls.h"

#include <array>

namespace qr {
namespace {

constexpr std::array<const char*, 7> kDataCaptions = {
    "Time", "Date", "Date/Time", "Page#", "Report title", "Detail count", "Detail no"};

}  // namespace

void TQRDBText::SetDataSet(TDataSetComponent* dataSet) {
  dataSet_ = dataSet;
  if (dataSet) FreeNotification(dataSet);
}

void TQRDBText::SetDataField(const std::string& field) {
  dataField_ = field;
  SetCaption(field);
}

void TQRDBText::Notification(Component* removed) {
  TQRCustomLabel::Notification(removed);
  if (removed == dataSet_) dataSet_ = nullptr;
}

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

TQRSysData::TQRSysData(Component* owner) : TQRCustomLabel(owner) {
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

}  // namespace qr
