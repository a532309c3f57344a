#include "app/toolkit/twips.h"

#include <cmath>
#include <limits>

namespace toolkit {

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int twipsFromSingle(float twips) {
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    if (std::isnan(twips))
        return 0;
    // Round half to even, independent of the floating-point environment's rounding mode.
    const double value = static_cast<double>(twips);
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole <= low)
        return std::numeric_limits<int>::min();
    if (whole >= high)
        return std::numeric_limits<int>::max();
    return static_cast<int>(whole);
}

} // namespace toolkit
