// Renders a vehicle mesh the way a navigator shows it: seen from behind and above, flat and
// Lambert shaded under a fixed light, supersampled, over a soft shadow on a transparent ground.
// Every frame of one vehicle uses the same scale and pivot, so the vehicle turns on the spot.
#pragma once

#include "tools/srftool/mesh.h"
#include "tools/srftool/rgba_image.h"
#include "tools/srftool/soft_shadow.h"

namespace srftool {

struct ViewStyle {
    int frameSize = 80;
    int supersample = 4;
    double elevationDegrees = 40; // how far the camera looks down from the horizontal
    double marginPixels = 1;      // kept free round the vehicle and the reach of its shadow
    ShadowStyle shadow;
    Vec3 light{-0.45, -0.55, 0.75}; // towards the light, fixed relative to the viewer
    double ambient = 0.42;
    double diffuse = 0.65;
};

class VehicleRenderer {
public:
    explicit VehicleRenderer(Mesh mesh, ViewStyle style = {});

    // The vehicle turned clockwise (seen from above) by `headingDegrees`; at 0 its front points
    // away from the viewer, towards the top of the frame. RGBA8888, colours not premultiplied.
    RgbaImage frame(double headingDegrees) const;

    // `count` frames side by side, frame k turned by k x 360 / count degrees.
    RgbaImage strip(int count) const;

    // The vehicle seen straight from above with its front up, filling the frame.
    RgbaImage topView() const;

    double pixelsPerMetre() const { return framePixelsPerMetre_; }

private:
    // Pixels between the vehicle's outline and the frame's edge.
    double margin() const;
    RgbaImage render(double headingDegrees, double elevationDegrees, double pixelsPerMetre,
                     Vec3 pivot) const;

    Mesh mesh_;
    ViewStyle style_;
    double framePixelsPerMetre_ = 1;
    double pivotHeight_ = 0;
};

} // namespace srftool
