#pragma once

#include <memory>
#include <string>

#include "controls/custom_label.h"
#include "expr/evaluator.h"
#include "model/dataset_component.h"

namespace qr {

// A fixed text.
class TQRLabel : public TQRCustomLabel {
 public:
  using TQRCustomLabel::TQRCustomLabel;
  const ClassInfo& Class() const override;
};

// The text of a dataset field.
class TQRDBText : public TQRCustomLabel {
 public:
  explicit TQRDBText(Component* owner) : TQRCustomLabel(owner) {}
  const ClassInfo& Class() const override;

  TDataSetComponent* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSetComponent* dataSet);
  const std::string& DataField() const { return dataField_; }
  // Also shows the field name as the caption.
  void SetDataField(const std::string& field);
  std::string Mask;

 protected:
  void Notification(Component* removed) override;

 private:
  TDataSetComponent* dataSet_ = nullptr;
  std::string dataField_;
};

// The value of an expression.
class TQRExpr : public TQRCustomLabel {
 public:
  explicit TQRExpr(Component* owner);
  ~TQRExpr() override;
  const ClassInfo& Class() const override;

  const std::string& Expression() const { return expression_; }
  // The caption shows the expression, or "(none)".
  void SetExpression(const std::string& expression);
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& mask);
  Component* Master() const { return master_; }
  void SetMaster(Component* master);
  bool ResetAfterPrint = false;
  expr::TQREvaluator& Evaluator() { return *evaluator_; }

 protected:
  void Notification(Component* removed) override;

 private:
  void RefreshCaption();
  std::string expression_;
  std::string mask_;
  Component* master_ = nullptr;
  std::unique_ptr<expr::TQREvaluator> evaluator_;
};

enum class TQRSysDataType {
  qrsTime,
  qrsDate,
  qrsDateTime,
  qrsPageNumber,
  qrsReportTitle,
  qrsDetailCount,
  qrsDetailNo,
};

// A value of the run: time, date, page number, report title, detail count.
class TQRSysData : public TQRCustomLabel {
 public:
  explicit TQRSysData(Component* owner);
  const ClassInfo& Class() const override;

  TQRSysDataType Data() const { return data_; }
  void SetData(TQRSysDataType data);
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

 private:
  void RefreshCaption();
  TQRSysDataType data_ = TQRSysDataType::qrsTime;
  std::string text_;
};

}  // namespace qr
