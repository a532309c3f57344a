#include "tools/srftool/rgba_scale.h"

#include <algorithm>
#include <cmath>

namespace srftool {
namespace {

// Where a destination pixel's centre falls in the source, as two neighbours and a weight.
struct Sample {
    int low;
    int high;
    double weight; // of `high`
};

Sample sampleAt(int destination, double scale, int sourceLength) {
    const double position =
        std::clamp((destination + 0.5) * scale - 0.5, 0.0, static_cast<double>(sourceLength - 1));
    const int low = static_cast<int>(std::floor(position));
    return {low, std::min(low + 1, sourceLength - 1), position - low};
}

} // namespace

RgbaImage scaleToFit(const RgbaImage& image, int size) {
    if (image.isNull() || size < 1)
        return {};
    const int w = image.width();
    const int h = image.height();
    const bool wide = w >= h;
    const int outW = wide ? size : std::max(1, static_cast<int>(std::lround(double(w) * size / h)));
    const int outH = wide ? std::max(1, static_cast<int>(std::lround(double(h) * size / w))) : size;
    RgbaImage scaled(outW, outH);
    if (scaled.isNull())
        return {};
    const double scaleX = double(w) / outW;
    const double scaleY = double(h) / outH;
    for (int y = 0; y < outH; ++y) {
        const Sample sy = sampleAt(y, scaleY, h);
        std::uint8_t* out = scaled.scanLine(y);
        for (int x = 0; x < outW; ++x) {
            const Sample sx = sampleAt(x, scaleX, w);
            const std::uint8_t* corners[4] = {image.constScanLine(sy.low) + 4 * sx.low,
                                              image.constScanLine(sy.low) + 4 * sx.high,
                                              image.constScanLine(sy.high) + 4 * sx.low,
                                              image.constScanLine(sy.high) + 4 * sx.high};
            const double weights[4] = {(1 - sx.weight) * (1 - sy.weight),
                                       sx.weight * (1 - sy.weight), (1 - sx.weight) * sy.weight,
                                       sx.weight * sy.weight};
            double premultiplied[3] = {0, 0, 0};
            double alpha = 0;
            for (int k = 0; k < 4; ++k) {
                const double a = corners[k][3] * weights[k];
                alpha += a;
                for (int c = 0; c < 3; ++c)
                    premultiplied[c] += corners[k][c] * a;
            }
            for (int c = 0; c < 3; ++c)
                out[4 * x + c] = alpha > 0 ? static_cast<std::uint8_t>(std::clamp(
                                                 std::lround(premultiplied[c] / alpha), 0l, 255l))
                                           : 0;
            out[4 * x + 3] = static_cast<std::uint8_t>(std::clamp(std::lround(alpha), 0l, 255l));
        }
    }
    return scaled;
}

} // namespace srftool
