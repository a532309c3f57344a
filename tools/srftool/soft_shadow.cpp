#include "tools/srftool/soft_shadow.h"

#include "tools/srftool/rasteriser.h"

#include <algorithm>

namespace srftool {
namespace {

constexpr int kBlurPasses = 3;

double turn(Point2 o, Point2 a, Point2 b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// One box blur along rows (step 1) or columns (step width); outside the frame counts as zero.
void boxBlur(std::vector<double>& values, int width, int height, int radius, bool alongRows) {
    const std::vector<double> source = values;
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    const auto at = [&](int line, int i) -> std::size_t {
        return alongRows ? static_cast<std::size_t>(line) * width + i
                         : static_cast<std::size_t>(i) * width + line;
    };
    const double scale = 1.0 / (2 * radius + 1);
    for (int line = 0; line < lines; ++line) {
        for (int i = 0; i < length; ++i) {
            double sum = 0;
            for (int k = std::max(0, i - radius); k <= std::min(length - 1, i + radius); ++k)
                sum += source[at(line, k)];
            values[at(line, i)] = sum * scale;
        }
    }
}

} // namespace

int shadowSpread(const ShadowStyle& style) {
    return kBlurPasses * std::max(0, style.blurRadius);
}

std::vector<Point2> convexHull(std::vector<Point2> points) {
    std::sort(points.begin(), points.end(),
              [](Point2 a, Point2 b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (points.size() < 3)
        return points;
    std::vector<Point2> hull(2 * points.size());
    std::size_t k = 0;
    for (const Point2& p : points) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    const std::size_t lower = k + 1;
    for (auto it = points.rbegin() + 1; it != points.rend(); ++it) {
        while (k >= lower && turn(hull[k - 2], hull[k - 1], *it) <= 0)
            --k;
        hull[k++] = *it;
    }
    hull.resize(k - 1);
    return hull;
}

std::vector<double> softShadow(const std::vector<Point2>& points, int width, int height,
                               const ShadowStyle& style) {
    const int s = style.supersample;
    std::vector<double> shadow(static_cast<std::size_t>(width) * height, 0.0);
    const std::vector<Point2> hull = convexHull(points);
    if (hull.size() < 3)
        return shadow;
    Rasteriser fill(width * s, height * s);
    for (std::size_t i = 2; i < hull.size(); ++i) {
        const auto sample = [s](Point2 p) { return ScreenPoint{p.x * s, p.y * s, 0}; };
        fill.drawTriangle(sample(hull[0]), sample(hull[i - 1]), sample(hull[i]), Rgb{});
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int hits = 0;
            for (int sy = 0; sy < s; ++sy) {
                for (int sx = 0; sx < s; ++sx)
                    hits += fill.covered(x * s + sx, y * s + sy) ? 1 : 0;
            }
            shadow[static_cast<std::size_t>(y) * width + x] =
                style.opacity * hits / static_cast<double>(s * s);
        }
    }
    for (int pass = 0; pass < kBlurPasses && style.blurRadius > 0; ++pass) {
        boxBlur(shadow, width, height, style.blurRadius, true);
        boxBlur(shadow, width, height, style.blurRadius, false);
    }
    return shadow;
}

} // namespace srftool
