#pragma once

#include "expr/element_function.h"

namespace qr::expr {

// The plain built-in functions. They keep no state between evaluations; wrong
// argument counts or kinds give error values, never exceptions.

class TQREvIfFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvTrue : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvFalse : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvTypeOfFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvIntFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvFracFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvSQRTFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvDivFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvStrFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvUpperFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvLowerFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvPrettyFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvCopyFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvFormatNumericFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvTimeFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

class TQREvDateFunction : public TQREvElementFunction {
 public:
  TQREvValue ComputeResult() override;
};

}  // namespace qr::expr
