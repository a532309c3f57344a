#pragma once

#include "tools/srftool/console.h"

#include <string>
#include <vector>

namespace srftool {

// srftool make [--type TEXT] [--2d IMAGE.png] FRAMES OUT.srf: writes a vehicle file in the
// navigator's layout. FRAMES is a PNG strip of square frames side by side or a folder of
// frame-00.png, frame-01.png ... of one square size; the 2D image is IMAGE.png, or frame 0.
// TEXT is the type string, padded with blanks to 16 characters (default "GARMIN BITMAP 01"); a
// file made with another one gets one warning line, as other readers refuse it.
// Every pixel is stored as the nearest colour and opacity the file can hold. A picture, or the
// vehicle it makes, larger than the loader's surface holds (srf::kMaxVehicleSurfacePixels) is
// refused from the pictures' headers, before anything is decoded. `arguments` are those after
// "make". Status 0, or 2 with one line and no OUT for anything it cannot use.
int makeCommand(const std::vector<std::string>& arguments, const Console& console);

} // namespace srftool
