#pragma once

#include "tools/srftool/console.h"

#include <string>

namespace srftool {

// Writes the sample vehicles into the folder (created when missing), replacing earlier copies,
// and lists the files written.
int samplesCommand(const std::string& folder, const Console& console);

} // namespace srftool
