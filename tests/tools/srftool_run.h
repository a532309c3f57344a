// Runs one srftool command line in-process and keeps what it printed.
#pragma once

#include "tools/srftool/command_line.h"

#include <sstream>
#include <string>
#include <vector>

namespace srftooltest {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

inline Outcome run(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    Outcome o;
    o.status = srftool::runSrftool(arguments, out, err);
    o.out = out.str();
    o.err = err.str();
    return o;
}

} // namespace srftooltest
