#pragma once

#include <cstdio>
#include <string>

namespace srftool {

// The file name of frame k of a strip as the tool writes and reads frames: frame-00.png,
// frame-01.png ...
inline std::string frameFileName(int k) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%02d.png", k);
    return name;
}

} // namespace srftool
