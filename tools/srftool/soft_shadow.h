// The soft shadow a vehicle casts straight down: the convex outline of its footprint, filled
// with antialiasing and blurred, as a per-pixel opacity.
#pragma once

#include <vector>

namespace srftool {

struct Point2 {
    double x = 0;
    double y = 0;
};

struct ShadowStyle {
    int supersample = 4;  // samples per pixel along each axis when filling the outline
    int blurRadius = 2;   // pixels; repeated box blurs of this radius approximate a Gaussian
    double opacity = 0.5; // opacity of the shadow's core
};

// Opacities 0..1 for a width x height frame, rows top-down. `points` are in frame pixels; the
// shadow covers their convex hull.
std::vector<double> softShadow(const std::vector<Point2>& points, int width, int height,
                               const ShadowStyle& style);

// How many pixels the shadow reaches beyond the outline it was made from.
int shadowSpread(const ShadowStyle& style);

std::vector<Point2> convexHull(std::vector<Point2> points);

} // namespace srftool
