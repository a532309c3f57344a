// An option of the drawing layer for the surface alone, outside the interface the rest of the
// program is written against: a DIB section whose pixel memory is not zeroed, for a caller that
// writes every byte before anything reads it (a vehicle load, a filter's result). Zeroing a
// vehicle's surface first would be a whole extra pass over its memory. CreateDIBSection's
// bitmaps stay all zero.
#pragma once

#include "platform/gdi/gdi.h"

namespace gdi {

// CreateDIBSection with DIB_RGB_COLORS, the pixel bytes left undefined.
HBITMAP CreateDIBSectionForOverwrite(const BITMAPINFO* info, void** bits);

} // namespace gdi
