// How the filters turn a single-precision value into a pixel byte: the nearest integer, ties to
// even. Adding and taking away 2^23 rounds a float below 2^23 in the default rounding mode;
// unlike nearbyint it keeps the pixel loops vectorised.
#pragma once

#include <cstdint>

namespace pixelfilters {

// For a value known to lie in [0, 255.5), where clamping would change nothing.
inline float roundInRange(float value) {
    return (value + 8388608.0f) - 8388608.0f;
}

// Any value, clamped to 0..255 first. A NaN (an infinite divisor times a zero sum) becomes 0
// rather than reaching a conversion it would make undefined.
inline float roundToByte(float value) {
    value = value > 0.0f ? value : 0.0f;
    value = value < 255.0f ? value : 255.0f;
    return roundInRange(value);
}

inline std::uint8_t storedByte(float value) {
    return static_cast<std::uint8_t>(roundToByte(value));
}

} // namespace pixelfilters
