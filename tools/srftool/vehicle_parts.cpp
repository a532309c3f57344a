#include "tools/srftool/vehicle_parts.h"

#include <algorithm>
#include <stdexcept>

namespace srftool::parts {

Material paint(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {red, green, blue, 0.35, 24};
}
Material glass() {
    return {38, 52, 68, 0.7, 30};
}
Material rubber() {
    return {28, 28, 30, 0.04, 8};
}
Material metal() {
    return {185, 188, 194, 0.5, 20};
}
Material darkTrim() {
    return {45, 46, 50, 0.1, 10};
}
Material headlamp() {
    return {250, 246, 215, 0.4, 20};
}
Material taillamp() {
    return {210, 25, 25, 0.3, 20};
}

void addBody(Mesh& mesh, const std::vector<BodyStation>& stations, const Material& material) {
    std::vector<LoftSection> sections;
    for (const BodyStation& s : stations) {
        const double b = std::min({s.bevel, s.halfWidth * 0.9, (s.top - s.bottom) * 0.45});
        const double w = s.halfWidth;
        sections.push_back(
            {s.y,
             {-w, -w, -w + b, w - b, w, w, w - b, -w + b},
             {s.bottom + b, s.top - b, s.top, s.top, s.top - b, s.bottom + b, s.bottom, s.bottom}});
    }
    mesh.addLoft(
        sections, [&](int, int) { return material; }, material, material);
}

void addCabin(Mesh& mesh, const std::vector<CabinStation>& stations,
              const std::vector<bool>& glassSides, const std::vector<bool>& glassRoof,
              const Material& material) {
    if (glassSides.size() + 1 != stations.size() || glassRoof.size() + 1 != stations.size())
        throw std::invalid_argument("a cabin needs one glazing flag per segment");
    std::vector<LoftSection> sections;
    for (const CabinStation& s : stations) {
        const double b =
            std::clamp(s.roofBevel, 0.0, std::min(s.topHalfWidth * 0.9, (s.top - s.bottom) * 0.45));
        const double bw = s.bottomHalfWidth;
        const double tw = s.topHalfWidth;
        sections.push_back({s.y,
                            {-bw, -tw, -tw + b, tw - b, tw, bw},
                            {s.bottom, s.top - b, s.top, s.top, s.top - b, s.bottom}});
    }
    const Material pane = glass();
    mesh.addLoft(
        sections,
        [&](int segment, int edge) {
            const bool side = edge == 0 || edge == 4;
            const bool roof = edge >= 1 && edge <= 3;
            if ((side && glassSides[segment]) || (roof && glassRoof[segment]))
                return pane;
            return material;
        },
        material, material);
}

void addWheels(Mesh& mesh, double y, double radius, double width, double outerX,
               const Material& hub) {
    const Material tyre = rubber();
    for (const double side : {-1.0, 1.0}) {
        const Vec3 axis{side, 0, 0};
        const Vec3 inner{side * (outerX - width), y, radius};
        mesh.addCylinder(inner, axis, radius, width, 18, tyre, tyre, tyre);
        // The hub stands a little proud of the tyre wall so that it always shows.
        mesh.addCylinder(inner + axis * (width - 0.01), axis, radius * 0.58, 0.03, 14, hub, hub,
                         hub);
    }
}

void addLamps(Mesh& mesh, double y0, double y1, double innerX, double outerX, double z0, double z1,
              const Material& lamp) {
    mesh.addBox({-outerX, y0, z0}, {-innerX, y1, z1}, 0.02, lamp);
    mesh.addBox({innerX, y0, z0}, {outerX, y1, z1}, 0.02, lamp);
}

void addSidePanels(Mesh& mesh, double x, const std::vector<double>& ys,
                   const std::vector<double>& zs, const Material& material) {
    for (const double side : {-1.0, 1.0}) {
        std::vector<Vec3> points;
        for (std::size_t i = 0; i < ys.size() && i < zs.size(); ++i)
            points.push_back({side * x, ys[i], zs[i]});
        mesh.addPolygon(points, material);
    }
}

void addEndPanel(Mesh& mesh, double y, double x0, double x1, double z0, double z1,
                 const Material& material) {
    mesh.addPolygon({{x0, y, z0}, {x1, y, z0}, {x1, y, z1}, {x0, y, z1}}, material);
}

} // namespace srftool::parts
