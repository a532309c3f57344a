// How many file descriptors the test process holds, to show that a reader closes what it opens.
#pragma once

#include <cstddef>
#include <filesystem>

namespace srftest {

inline std::size_t openDescriptorCount() {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

} // namespace srftest
