#include "tools/srftool/vehicle_renderer.h"

#include "tools/srftool/rasteriser.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace srftool {
namespace {

std::uint8_t toByte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0)));
}

Rgb shade(const Triangle& t, Vec3 a, Vec3 b, Vec3 c, Vec3 toCamera, const ViewStyle& style) {
    Vec3 n = normalized(cross(b - a, c - a));
    // Only faces turned towards the camera stay visible in a closed solid, so the normal that
    // faces the camera is the outward one; the meshes need no consistent winding.
    if (dot(n, toCamera) < 0)
        n = n * -1.0;
    const Vec3 light = normalized(style.light);
    const Vec3 halfway = normalized(light + toCamera);
    const double lambert = style.ambient + style.diffuse * std::max(0.0, dot(n, light));
    const Material& m = t.material;
    const double highlight =
        m.specular > 0 ? 255.0 * m.specular * std::pow(std::max(0.0, dot(n, halfway)), m.shininess)
                       : 0.0;
    return {toByte(m.red * lambert + highlight), toByte(m.green * lambert + highlight),
            toByte(m.blue * lambert + highlight)};
}

} // namespace

VehicleRenderer::VehicleRenderer(Mesh mesh, ViewStyle style)
    : mesh_(std::move(mesh))
    , style_(style) {
    if (mesh_.triangles().empty())
        throw std::invalid_argument("a vehicle needs at least one face");
    double top = 0;
    for (const Triangle& t : mesh_.triangles())
        top = std::max({top, t.a.z, t.b.z, t.c.z});
    pivotHeight_ = top / 2;
    // The farthest any point (or its footprint on the ground) can land from the pivot on the
    // screen, whatever the heading.
    const double e = style_.elevationDegrees * std::numbers::pi / 180;
    double extent = 1e-6;
    for (const Triangle& t : mesh_.triangles()) {
        for (const Vec3& p : {t.a, t.b, t.c}) {
            const double r = std::hypot(p.x, p.y);
            extent =
                std::max({extent, r, r * std::sin(e) + std::abs(p.z - pivotHeight_) * std::cos(e),
                          r * std::sin(e) + pivotHeight_ * std::cos(e)});
        }
    }
    framePixelsPerMetre_ = (style_.frameSize / 2.0 - margin()) / extent;
}

double VehicleRenderer::margin() const {
    return style_.marginPixels + shadowSpread(style_.shadow);
}

RgbaImage VehicleRenderer::frame(double headingDegrees) const {
    return render(headingDegrees, style_.elevationDegrees, framePixelsPerMetre_,
                  {0, 0, pivotHeight_});
}

RgbaImage VehicleRenderer::strip(int count) const {
    const int size = style_.frameSize;
    RgbaImage strip(size * count, size);
    for (int k = 0; k < count; ++k) {
        const RgbaImage f = frame(k * 360.0 / count);
        for (int y = 0; y < size; ++y) {
            std::copy_n(f.constScanLine(y), 4 * size, strip.scanLine(y) + 4 * size * k);
        }
    }
    return strip;
}

RgbaImage VehicleRenderer::topView() const {
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const Triangle& t : mesh_.triangles()) {
        for (const Vec3& p : {t.a, t.b, t.c}) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
    }
    const double extent = std::max({maxX - minX, maxY - minY, 1e-6}) / 2;
    const double scale = (style_.frameSize / 2.0 - margin()) / extent;
    return render(0, 90, scale, {(minX + maxX) / 2, (minY + maxY) / 2, 0});
}

RgbaImage VehicleRenderer::render(double headingDegrees, double elevationDegrees,
                                  double pixelsPerMetre, Vec3 pivot) const {
    const int size = style_.frameSize;
    const int ss = style_.supersample;
    const double e = elevationDegrees * std::numbers::pi / 180;
    const double sinE = std::sin(e);
    const double cosE = std::cos(e);
    const Vec3 toCamera{0, -cosE, sinE};
    const Vec3 turnedPivot = turnedClockwise(pivot, headingDegrees);
    const double centre = size / 2.0;

    // Orthographic: x stays across the screen, y and z fold into the screen's vertical.
    const auto onScreen = [&](Vec3 p) {
        const Vec3 d = p - turnedPivot;
        return Point2{centre + pixelsPerMetre * d.x,
                      centre - pixelsPerMetre * (d.y * sinE + d.z * cosE)};
    };

    Rasteriser raster(size * ss, size * ss);
    std::vector<Point2> footprint;
    for (const Triangle& t : mesh_.triangles()) {
        const Vec3 a = turnedClockwise(t.a, headingDegrees);
        const Vec3 b = turnedClockwise(t.b, headingDegrees);
        const Vec3 c = turnedClockwise(t.c, headingDegrees);
        const Rgb colour = shade(t, a, b, c, toCamera, style_);
        const auto sample = [&](Vec3 p) {
            const Point2 s = onScreen(p);
            return ScreenPoint{s.x * ss, s.y * ss, p.y * cosE - p.z * sinE};
        };
        raster.drawTriangle(sample(a), sample(b), sample(c), colour);
        for (const Vec3& p : {a, b, c})
            footprint.push_back(onScreen({p.x, p.y, 0}));
    }
    const std::vector<double> shadow = softShadow(footprint, size, size, style_.shadow);

    RgbaImage image(size, size);
    for (int y = 0; y < size; ++y) {
        std::uint8_t* line = image.scanLine(y);
        for (int x = 0; x < size; ++x) {
            int hits = 0;
            double red = 0, green = 0, blue = 0;
            for (int sy = 0; sy < ss; ++sy) {
                for (int sx = 0; sx < ss; ++sx) {
                    if (!raster.covered(x * ss + sx, y * ss + sy))
                        continue;
                    const Rgb c = raster.colour(x * ss + sx, y * ss + sy);
                    red += c.red, green += c.green, blue += c.blue;
                    ++hits;
                }
            }
            const double coverage = hits / static_cast<double>(ss * ss);
            const double s = shadow[static_cast<std::size_t>(y) * size + x];
            // The vehicle over a black shadow, with colours kept unpremultiplied.
            const double alpha = coverage + (1 - coverage) * s;
            std::uint8_t* px = line + 4 * x;
            const std::uint8_t a = toByte(alpha * 255);
            if (a == 0 || hits == 0) {
                px[0] = px[1] = px[2] = 0;
            } else {
                const double k = coverage / (alpha * hits);
                px[0] = toByte(red * k), px[1] = toByte(green * k), px[2] = toByte(blue * k);
            }
            px[3] = a;
        }
    }
    return image;
}

} // namespace srftool
