#pragma once

#include "tools/srftool/console.h"

#include <string>

namespace srftool {

// Loads the vehicle file into a surface, applies the filter named by `operation` and writes the
// result as a bitmap file with the surface's own writer. The operations: "none" (the surface as
// loaded), "resample:H:W", "blur:A:B" (A divides the pixel itself, B the mean of its
// neighbours), "unsharp", "random:grey" and "random:colour" (the loaded surface overwritten).
// Status 1, and no file, when the load gave 0 or the filter gave no surface; 2 for a bad
// operation, a filter that refuses its input, or a path that cannot be read or written.
int filterCommand(const std::string& operation, const std::string& file, const std::string& bmp,
                  const Console& console);

} // namespace srftool
