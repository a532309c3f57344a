// Parts that vehicles share: painted bodies and glazed cabins lofted through stations along the
// vehicle, wheels, lamps, and the handful of materials they are made of.
#pragma once

#include "tools/srftool/mesh.h"

#include <vector>

namespace srftool::parts {

Material paint(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
Material glass();
Material rubber();
Material metal();
Material darkTrim();
Material headlamp();
Material taillamp();

// One cross-section of a body: a rectangle with bevelled corners.
struct BodyStation {
    double y = 0;
    double halfWidth = 0;
    double bottom = 0;
    double top = 0;
    double bevel = 0;
};

void addBody(Mesh& mesh, const std::vector<BodyStation>& stations, const Material& paint);

// One cross-section of a cabin: a trapezoid narrowing towards a roof with rounded edges.
struct CabinStation {
    double y = 0;
    double bottom = 0;
    double top = 0;
    double bottomHalfWidth = 0;
    double topHalfWidth = 0;
    double roofBevel = 0.08;
};

// Between stations k and k + 1 the sides are glass where glassSides[k] and the roof is glass
// (a windscreen or rear window) where glassRoof[k]; elsewhere paint.
void addCabin(Mesh& mesh, const std::vector<CabinStation>& stations,
              const std::vector<bool>& glassSides, const std::vector<bool>& glassRoof,
              const Material& paint);

// A pair of wheels on an axle at `y`, their outer faces at x = +-outerX.
void addWheels(Mesh& mesh, double y, double radius, double width, double outerX,
               const Material& hub);

// A pair of lamps mirrored about the centre line: boxes from x = +-innerX to +-outerX.
void addLamps(Mesh& mesh, double y0, double y1, double innerX, double outerX, double z0, double z1,
              const Material& lamp);

// A flat panel just outside a vertical side of a vehicle (x = +-x), mirrored to both sides,
// for windows and trim painted on a body: corners (y, z) listed round the panel.
void addSidePanels(Mesh& mesh, double x, const std::vector<double>& ys,
                   const std::vector<double>& zs, const Material& material);

// A flat panel on a plane of constant y (a front or rear face), facing either way.
void addEndPanel(Mesh& mesh, double y, double x0, double x1, double z0, double z1,
                 const Material& material);

} // namespace srftool::parts
