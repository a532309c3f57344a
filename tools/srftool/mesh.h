// A vehicle as a soup of flat-shaded triangles, built from a few solids: polygons, lofts through
// cross-sections (bodies, cabins, bevelled boxes) and cylinders (wheels, lamps, pipes).
#pragma once

#include "tools/srftool/geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace srftool {

struct Material {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    double specular = 0;   // strength of the highlight, 0 for matt surfaces
    double shininess = 16; // larger gives a smaller, sharper highlight
};

struct Triangle {
    Vec3 a;
    Vec3 b;
    Vec3 c;
    Material material;
};

// One cross-section of a loft: an outline in the (x, z) plane at the given y. Outlines of one
// loft all have the same number of points, listed in the same order round the outline.
struct LoftSection {
    double y = 0;
    std::vector<double> xs;
    std::vector<double> zs;
};

// The material of the side face that joins section `segment` to section `segment + 1` along
// outline edge `edge` (from point `edge` to the next point).
using LoftPaint = std::function<Material(int segment, int edge)>;

class Mesh {
public:
    // A convex, planar polygon.
    void addPolygon(const std::vector<Vec3>& points, const Material& material);

    // Joins consecutive sections with side faces and closes both ends with their outlines.
    void addLoft(const std::vector<LoftSection>& sections, const LoftPaint& paint,
                 const Material& rearCap, const Material& frontCap);

    // A closed cylinder from `base` along the unit vector `axis`.
    void addCylinder(Vec3 base, Vec3 axis, double radius, double length, int segments,
                     const Material& side, const Material& startCap, const Material& endCap);

    // A box between two corners with every edge bevelled by `bevel`.
    void addBox(Vec3 low, Vec3 high, double bevel, const Material& material);

    void append(const Mesh& other);

    const std::vector<Triangle>& triangles() const { return triangles_; }

private:
    std::vector<Triangle> triangles_;
};

} // namespace srftool
