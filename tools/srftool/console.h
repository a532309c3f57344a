// Where a command writes, and the exit statuses it ends with.
#pragma once

#include <ostream>
#include <string>

namespace srftool {

enum ExitStatus : int {
    exitLoaded = 0,    // the vehicle loaded with result 1 (or the command needs no vehicle)
    exitNotLoaded = 1, // the load gave 0
    exitFailure = 2,   // bad arguments, or a path that cannot be read or written
};

struct Console {
    std::ostream& out;
    std::ostream& err;

    // One line on the error stream, prefixed with the program's name.
    void complain(const std::string& line) const { err << "srftool: " << line << '\n'; }
};

} // namespace srftool
