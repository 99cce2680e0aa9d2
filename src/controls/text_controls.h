#pragma once

#include <QDateTime>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/custom_label.h"
#include "expr/evaluator.h"
#include "model/dataset_component.h"

namespace qr {

class TQRReport;

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

  // Looks the field up by name (case-insensitive); a memo or blob field
  // switches the control to printing its lines.
  void BeginPrinting() override;
  // Prints the field's text of the current record.
  void PrintAt(int offsetX, int offsetY) override;
  // Drops the field and shows the field name again.
  void EndPrinting() override;
  // Lines of the current record's text times the line height, in screen pixels.
  void GetContentHeight(double& height) override;
  void GetPrintText(std::string& text) override;
  bool UsesPrintText() const override { return !memo_; }
  // Numeric and date-time fields keep their alignment in right-to-left mode.
  bool UseRightToLeftAlignment() const override;

 protected:
  void Notification(Component* removed) override;

 private:
  data::Field* CurrentField();
  // Puts the current record's text into the print text (or SourceLines).
  void LoadFieldText();
  std::string FieldText(data::Field& field) const;

  TDataSetComponent* dataSet_ = nullptr;
  std::string dataField_;
  int fieldIndex_ = -1;
  bool hasField_ = false;
  bool memo_ = false;
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

  // Compiles the expression and registers for aggregation.
  void BeginPrinting() override;
  // Kind 0 is the aggregate step: the expression takes in the current record.
  void Notify(Component* sender, int kind) override;
  // Prints the expression's value; with ResetAfterPrint aggregates restart.
  void PrintAt(int offsetX, int offsetY) override;
  void EndPrinting() override;

 protected:
  void Notification(Component* removed) override;

 private:
  void RefreshCaption();
  // Numbers through the Mask picture, booleans as True/False, errors as their message.
  std::string ValueText(const expr::TQREvValue& value) const;
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

  // Prints Text followed by the value, which stays the caption afterwards.
  void PrintAt(int offsetX, int offsetY) override;
  // Where the time and date come from; the system clock unless a test sets it.
  std::function<QDateTime()> Clock;

 private:
  // The value's text; nothing when the owner is not a TQRReport.
  std::optional<std::string> ValueText() const;
  static int DetailCount(TQRReport& report);
  void RefreshCaption();
  TQRSysDataType data_ = TQRSysDataType::qrsTime;
  std::string text_;
};

}  // namespace qr
