#include "controls/shape.h"

namespace qr {

TQRShape::TQRShape(Component* owner) : TQRPrintable(owner) {
  StoreBounds(0, 0, kNewShapePixels, kNewShapePixels);
}

}  // namespace qr
