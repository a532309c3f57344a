// The sample vehicles as complete vehicle files: each model rendered into a strip of 36 frames
// of 80 x 80 (frame k turned k x 10 degrees clockwise) and an 80 x 80 view from above.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace srftool {

constexpr int kSampleFrameCount = 36;
constexpr int kSampleFrameSize = 80;

struct SampleVehicle {
    std::string fileName;
    std::vector<std::uint8_t> bytes;
};

std::vector<SampleVehicle> buildSampleVehicles();

} // namespace srftool
