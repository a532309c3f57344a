// The commands that load one vehicle file into a surface and report or export it.
#pragma once

#include "tools/srftool/console.h"

#include <string>
#include <vector>

namespace srftool {

// Per file six lines: the load result, the escaped type string, the three sizes and whether the
// file's checksum holds (its bytes add up to 0 modulo 256; the load itself ignores it), the
// blocks separated by a blank line. A file that cannot be read gets one line on the error stream
// and no block; the status is the worst of all files.
int infoCommand(const std::vector<std::string>& files, const Console& console);

// The whole surface as an RGBA PNG, top line first, even after a failed decode; no file when the
// surface has no pixels.
int pngCommand(const std::string& file, const std::string& png, const Console& console);

// Every frame of the 3D strip that lies wholly inside the surface, as folder/frame-NN.png.
int framesCommand(const std::string& file, const std::string& folder, const Console& console);

} // namespace srftool
