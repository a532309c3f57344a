// The file manager's picture of a vehicle: frame 0 of its 3D strip, scaled to a square of the
// size the thumbnailer asks for.
#pragma once

#include "tools/srftool/console.h"

#include <string>
#include <vector>

namespace srftool {

// The operands after "thumbnail": [-s SIZE] FILE OUT.png. Status 0 with OUT.png written, or 1 or
// 2 with one line and no file: a vehicle that loads only partly gives no thumbnail.
int thumbnailCommand(const std::vector<std::string>& operands, const Console& console);

} // namespace srftool
