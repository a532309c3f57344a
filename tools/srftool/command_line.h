#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace srftool {

// Runs one srftool command line (the arguments after the program's name) and returns the exit
// status: 0 when the vehicle loaded, 1 when its load gave 0, 2 for bad arguments or a path that
// cannot be read or written.
int runSrftool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace srftool
