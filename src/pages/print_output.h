#pragma once

#include <string>

#include "platform/canvas.h"

namespace qr {

struct TPrinterSettings;

// What TQRPrinter needs of a real printer when it prints directly instead of
// storing pages. The printer side provides it; the page store never needs it.
class PrintOutput {
 public:
  virtual ~PrintOutput() = default;

  // Applies paper, orientation and the rest of the settings to the device and
  // fills in the printable-area offsets.
  virtual void ApplySettings(TPrinterSettings& settings) = 0;
  // Output dots per 0.1 mm.
  virtual long double DotsPerNativeX() const = 0;
  virtual long double DotsPerNativeY() const = 0;
  virtual void BeginDocument(const std::string& title) = 0;
  // Starts a printer page and returns the canvas to draw it on.
  virtual Canvas& BeginPage() = 0;
  virtual void EndPage() = 0;
  virtual void EndDocument() = 0;
  virtual void AbortDocument() = 0;
  virtual bool DocumentOpen() const = 0;
};

}  // namespace qr
