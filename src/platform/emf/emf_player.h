#pragma once

#include "platform/canvas.h"
#include "platform/emf/metafile.h"

namespace qr {

// Replays a page onto any canvas, stretching the picture's bounds onto
// `destination`: coordinates, font heights and pen widths are scaled. Records
// outside the subset pages use are skipped. A record too short for its fields
// throws EmfError; whatever was drawn before stays drawn.
void PlayMetafile(const Metafile& metafile, Canvas& canvas, const Rect& destination);

// Replays at the recorded size.
void PlayMetafile(const Metafile& metafile, Canvas& canvas);

}  // namespace qr
