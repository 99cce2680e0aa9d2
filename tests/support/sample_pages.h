#pragma once

#include "platform/emf/metafile.h"

namespace qrtest {

// Letter paper at 96 pixels per inch.
inline constexpr int kLetterWidthPixels = 816;
inline constexpr int kLetterHeightPixels = 1056;

// A page shaped like a price list's: a header with the page number, column
// titles, a ruled line per row and seven texts per row (codes, descriptions,
// right-aligned prices). 100 rows make about 700 text records.
qr::Metafile RecordPriceListPage(int pageNumber, int rowCount);

// A small page with each kind of drawing call once: texts in three
// alignments, a line, a filled box, a rectangle, an ellipse, a rounded
// rectangle and a clip.
qr::Metafile RecordShapesPage();

}  // namespace qrtest
