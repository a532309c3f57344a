#include "tools/srftool/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace srftool {

Rasteriser::Rasteriser(int width, int height)
    : width_(width)
    , height_(height) {
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("a rasteriser needs a positive size");
    const std::size_t n = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    depth_.assign(n, std::numeric_limits<double>::infinity());
    colour_.assign(n, Rgb{});
    covered_.assign(n, 0);
}

void Rasteriser::drawTriangle(ScreenPoint a, ScreenPoint b, ScreenPoint c, Rgb colour) {
    const double area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (std::abs(area) < 1e-12)
        return;
    const double minX = std::min({a.x, b.x, c.x});
    const double maxX = std::max({a.x, b.x, c.x});
    const double minY = std::min({a.y, b.y, c.y});
    const double maxY = std::max({a.y, b.y, c.y});
    // Sample centres sit at half-integers; only those inside the bounding box can be hit.
    const int x0 = std::max(0, static_cast<int>(std::ceil(minX - 0.5)));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::floor(maxX - 0.5)));
    const int y0 = std::max(0, static_cast<int>(std::ceil(minY - 0.5)));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::floor(maxY - 0.5)));
    const double inv = 1.0 / area;
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5;
            // Barycentric weights, all of one sign inside the triangle whatever its winding.
            const double wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) * inv;
            const double wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) * inv;
            const double wc = 1.0 - wa - wb;
            if (wa < 0 || wb < 0 || wc < 0)
                continue;
            const double depth = wa * a.depth + wb * b.depth + wc * c.depth;
            const std::size_t i = index(x, y);
            if (depth < depth_[i]) {
                depth_[i] = depth;
                colour_[i] = colour;
                covered_[i] = 1;
            }
        }
    }
}

} // namespace srftool
