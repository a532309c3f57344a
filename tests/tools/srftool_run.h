// Runs one srftool command line in-process and keeps what it printed.
#pragma once

#include "tools/srftool/command_line.h"

#include <algorithm>
#include <gtest/gtest.h>
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

// The command line as one text, for a test's trace.
inline std::string commandLine(const std::vector<std::string>& arguments) {
    std::string text;
    for (const std::string& a : arguments)
        text += a + ' ';
    return text;
}

// A call srftool refuses as bad words or an unusable file: status 2, nothing on standard output
// and one line on standard error that names the tool.
inline ::testing::AssertionResult refusedWithOneLine(const Outcome& o) {
    if (o.status == 2 && o.out.empty() && std::count(o.err.begin(), o.err.end(), '\n') == 1 &&
        o.err.rfind("srftool: ", 0) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "status " << o.status << ", standard output \"" << o.out
                                         << "\", standard error \"" << o.err << '"';
}

} // namespace srftooltest
