#pragma once

#include <cstdint>

#include "expr/element_function.h"

namespace qr::expr {

// Aggregates keep state across records: they take in the current record only
// during an aggregation pass and start again on ResetState.

// SUM(x): the running total of integer or float values. A string value, or a
// call with other than one argument, turns the total into an error for good;
// booleans and errors are skipped. Before any record: the integer 0.
class TQREvSumFunction : public TQREvElementFunction {
 public:
  TQREvSumFunction() { isAggregate_ = true; }
  void ResetState() override { hasValue_ = false; }
  void Accumulate() override;
  TQREvValue ComputeResult() override;

 protected:
  bool hasValue_ = false;
  TQREvValue sum_;
};

// AVERAGE(x): the total divided by the number of passes, as a float.
class TQREvAverageFunction : public TQREvSumFunction {
 public:
  void ResetState() override;
  void Accumulate() override;
  TQREvValue ComputeResult() override { return average_; }

 private:
  std::int32_t count_ = 0;
  TQREvValue average_;  // the integer 0 until the first reset or pass
};

// MAX(x) and MIN(x): the first value after a reset, then every larger (or
// smaller) one, compared by the kind of the value held.
class ExtremeAggregate : public TQREvElementFunction {
 public:
  enum class Keep { Largest, Smallest };
  explicit ExtremeAggregate(Keep keep) : keep_(keep) { isAggregate_ = true; }
  void ResetState() override { hasValue_ = false; }
  void Accumulate() override;
  TQREvValue ComputeResult() override;

 private:
  bool Replaces(const TQREvValue& candidate) const;

  Keep keep_;
  bool hasValue_ = false;
  TQREvValue current_;
};

class TQREvMaxFunction : public ExtremeAggregate {
 public:
  TQREvMaxFunction() : ExtremeAggregate(Keep::Largest) {}
};

class TQREvMinFunction : public ExtremeAggregate {
 public:
  TQREvMinFunction() : ExtremeAggregate(Keep::Smallest) {}
};

// COUNT: the number of aggregation passes since the last reset. It takes no arguments.
class TQREvCountFunction : public TQREvElementFunction {
 public:
  TQREvCountFunction() { isAggregate_ = true; }
  TQREvValue Compute(TQRFiFo& list) override;
  void ResetState() override { count_ = 0; }

 private:
  std::int32_t count_ = 0;
};

}  // namespace qr::expr
