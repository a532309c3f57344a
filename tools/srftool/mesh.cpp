#include "tools/srftool/mesh.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace srftool {

void Mesh::addPolygon(const std::vector<Vec3>& points, const Material& material) {
    for (std::size_t i = 2; i < points.size(); ++i)
        triangles_.push_back({points[0], points[i - 1], points[i], material});
}

void Mesh::addLoft(const std::vector<LoftSection>& sections, const LoftPaint& paint,
                   const Material& rearCap, const Material& frontCap) {
    if (sections.size() < 2)
        throw std::invalid_argument("a loft needs at least two sections");
    const std::size_t n = sections.front().xs.size();
    for (const LoftSection& s : sections) {
        if (s.xs.size() != n || s.zs.size() != n || n < 3)
            throw std::invalid_argument("loft sections must share one outline size");
    }
    const auto point = [&](std::size_t section, std::size_t i) {
        const LoftSection& s = sections[section];
        return Vec3{s.xs[i % n], s.y, s.zs[i % n]};
    };
    for (std::size_t k = 0; k + 1 < sections.size(); ++k) {
        for (std::size_t i = 0; i < n; ++i) {
            const Material m = paint(static_cast<int>(k), static_cast<int>(i));
            const Vec3 a = point(k, i);
            const Vec3 b = point(k, i + 1);
            const Vec3 c = point(k + 1, i + 1);
            const Vec3 d = point(k + 1, i);
            triangles_.push_back({a, b, c, m});
            triangles_.push_back({a, c, d, m});
        }
    }
    std::vector<Vec3> rear;
    std::vector<Vec3> front;
    for (std::size_t i = 0; i < n; ++i) {
        rear.push_back(point(0, i));
        front.push_back(point(sections.size() - 1, i));
    }
    addPolygon(rear, rearCap);
    addPolygon(front, frontCap);
}

void Mesh::addCylinder(Vec3 base, Vec3 axis, double radius, double length, int segments,
                       const Material& side, const Material& startCap, const Material& endCap) {
    axis = normalized(axis);
    // Two directions across the axis; any pair perpendicular to it and to each other will do.
    const Vec3 helper = std::abs(axis.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
    const Vec3 u = normalized(cross(axis, helper));
    const Vec3 v = cross(axis, u);
    const Vec3 top = base + axis * length;
    std::vector<Vec3> start;
    std::vector<Vec3> end;
    const double step = 2 * std::acos(-1.0) / segments;
    for (int i = 0; i < segments; ++i) {
        const double a = i * step;
        const Vec3 offset = u * (radius * std::cos(a)) + v * (radius * std::sin(a));
        start.push_back(base + offset);
        end.push_back(top + offset);
    }
    for (int i = 0; i < segments; ++i) {
        const int j = (i + 1) % segments;
        triangles_.push_back({start[i], start[j], end[j], side});
        triangles_.push_back({start[i], end[j], end[i], side});
    }
    addPolygon(start, startCap);
    addPolygon(end, endCap);
}

void Mesh::addBox(Vec3 low, Vec3 high, double bevel, const Material& material) {
    const double b =
        std::clamp(bevel, 0.0, 0.45 * std::min({high.x - low.x, high.y - low.y, high.z - low.z}));
    const auto section = [&](double y, double inset) {
        const double x0 = low.x + inset;
        const double x1 = high.x - inset;
        const double z0 = low.z + inset;
        const double z1 = high.z - inset;
        const double e = b - inset; // what is left of the bevel on the long edges
        return LoftSection{y,
                           {x0, x0, x0 + e, x1 - e, x1, x1, x1 - e, x0 + e},
                           {z0 + e, z1 - e, z1, z1, z1 - e, z0 + e, z0, z0}};
    };
    std::vector<LoftSection> sections;
    if (b > 0) {
        sections = {section(low.y, b), section(low.y + b, 0), section(high.y - b, 0),
                    section(high.y, b)};
    } else {
        sections = {section(low.y, 0), section(high.y, 0)};
    }
    addLoft(
        sections, [&](int, int) { return material; }, material, material);
}

void Mesh::append(const Mesh& other) {
    triangles_.insert(triangles_.end(), other.triangles_.begin(), other.triangles_.end());
}

} // namespace srftool
