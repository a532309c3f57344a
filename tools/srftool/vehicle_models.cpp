#include "tools/srftool/vehicle_models.h"

#include "tools/srftool/vehicle_parts.h"

namespace srftool {

using namespace parts;

Mesh sportsCar() {
    Mesh m;
    const Material red = paint(205, 22, 28);
    addBody(m,
            {{-2.20, 0.86, 0.30, 0.78, 0.12},
             {-2.08, 0.95, 0.26, 0.86, 0.16},
             {-1.20, 0.97, 0.24, 0.90, 0.18},
             {0.70, 0.97, 0.24, 0.80, 0.18},
             {1.80, 0.94, 0.24, 0.64, 0.16},
             {2.20, 0.84, 0.28, 0.52, 0.10}},
            red);
    addCabin(m,
             {{0.95, 0.60, 0.78, 0.86, 0.80},
              {0.05, 0.60, 1.17, 0.86, 0.62},
              {-0.75, 0.60, 1.16, 0.86, 0.62},
              {-1.75, 0.60, 0.90, 0.90, 0.75}},
             {true, true, false}, {true, false, true}, red);
    addWheels(m, 1.38, 0.33, 0.27, 0.99, metal());
    addWheels(m, -1.30, 0.35, 0.30, 1.00, metal());
    addLamps(m, 2.00, 2.16, 0.50, 0.80, 0.46, 0.56, headlamp());
    addLamps(m, -2.23, -2.08, 0.45, 0.85, 0.60, 0.72, taillamp());
    addEndPanel(m, 2.205, -0.45, 0.45, 0.32, 0.44, darkTrim());
    // The rear wing on its two posts.
    m.addBox({-0.88, -2.18, 0.95}, {0.88, -1.92, 1.01}, 0.02, red);
    m.addBox({-0.62, -2.08, 0.80}, {-0.55, -2.00, 0.96}, 0, darkTrim());
    m.addBox({0.55, -2.08, 0.80}, {0.62, -2.00, 0.96}, 0, darkTrim());
    return m;
}

Mesh saloon() {
    Mesh m;
    const Material blue = paint(35, 80, 170);
    addBody(m,
            {{-2.35, 0.82, 0.30, 0.84, 0.12},
             {-2.22, 0.90, 0.27, 0.92, 0.15},
             {-1.55, 0.91, 0.26, 0.94, 0.16},
             {1.05, 0.91, 0.26, 0.90, 0.16},
             {2.05, 0.89, 0.26, 0.76, 0.15},
             {2.35, 0.82, 0.30, 0.64, 0.10}},
            blue);
    addCabin(m,
             {{1.15, 0.70, 0.88, 0.84, 0.80},
              {0.30, 0.70, 1.45, 0.84, 0.66},
              {-0.15, 0.70, 1.46, 0.84, 0.66},
              {-0.30, 0.70, 1.46, 0.84, 0.66},
              {-1.00, 0.70, 1.43, 0.84, 0.66},
              {-1.60, 0.70, 0.94, 0.86, 0.78}},
             {true, true, false, true, false}, {true, false, false, false, true}, blue);
    addWheels(m, 1.45, 0.33, 0.26, 0.93, metal());
    addWheels(m, -1.45, 0.33, 0.26, 0.93, metal());
    addLamps(m, 2.18, 2.37, 0.48, 0.80, 0.56, 0.66, headlamp());
    addLamps(m, -2.38, -2.25, 0.42, 0.82, 0.68, 0.80, taillamp());
    addEndPanel(m, 2.355, -0.40, 0.40, 0.36, 0.52, darkTrim());
    return m;
}

Mesh pickupTruck() {
    Mesh m;
    const Material orange = paint(232, 112, 20);
    addBody(m,
            {{-0.70, 1.00, 0.45, 1.15, 0.10},
             {1.40, 1.00, 0.45, 1.20, 0.12},
             {2.40, 1.00, 0.45, 1.10, 0.12},
             {2.65, 0.96, 0.48, 1.00, 0.08}},
            orange);
    addCabin(m,
             {{1.50, 1.00, 1.20, 0.95, 0.90},
              {0.85, 1.00, 1.90, 0.95, 0.82},
              {0.10, 1.00, 1.90, 0.95, 0.82},
              {-0.02, 1.00, 1.90, 0.95, 0.82},
              {-0.55, 1.00, 1.90, 0.95, 0.82},
              {-0.70, 1.00, 1.90, 0.95, 0.82}},
             {true, true, false, true, false}, {true, false, false, false, false}, orange);
    addEndPanel(m, -0.705, -0.60, 0.60, 1.35, 1.75, glass());
    // The open load bed: a dark floor inside three painted walls.
    m.addBox({-1.00, -2.65, 0.45}, {1.00, -0.70, 0.80}, 0.05, Material{82, 82, 86, 0.1, 10});
    m.addBox({-1.00, -2.65, 0.45}, {-0.88, -0.70, 1.15}, 0.03, orange);
    m.addBox({0.88, -2.65, 0.45}, {1.00, -0.70, 1.15}, 0.03, orange);
    m.addBox({-1.00, -2.65, 0.45}, {1.00, -2.53, 1.15}, 0.03, orange);
    addWheels(m, 1.75, 0.42, 0.32, 1.04, metal());
    addWheels(m, -1.75, 0.42, 0.32, 1.04, metal());
    addLamps(m, 2.55, 2.67, 0.55, 0.90, 0.82, 0.95, headlamp());
    addLamps(m, -2.68, -2.60, 0.78, 0.98, 0.80, 1.05, taillamp());
    addEndPanel(m, 2.655, -0.50, 0.50, 0.58, 0.90, darkTrim());
    return m;
}

Mesh deliveryVan() {
    Mesh m;
    const Material white = paint(236, 236, 230);
    addBody(m,
            {{-2.50, 0.96, 0.35, 1.35, 0.10},
             {-2.40, 1.00, 0.32, 1.40, 0.14},
             {2.20, 1.00, 0.32, 1.30, 0.14},
             {2.50, 0.95, 0.36, 1.05, 0.10}},
            white);
    addCabin(m,
             {{1.95, 1.20, 1.40, 1.00, 0.98, 0.12},
              {1.20, 1.20, 2.45, 1.00, 0.92, 0.12},
              {0.60, 1.20, 2.45, 1.00, 0.92, 0.12},
              {-2.40, 1.20, 2.45, 1.00, 0.92, 0.12},
              {-2.50, 1.20, 2.38, 0.96, 0.88, 0.10}},
             {true, true, false, false}, {true, false, false, false}, white);
    addEndPanel(m, -2.505, -0.85, -0.08, 1.55, 2.15, glass());
    addEndPanel(m, -2.505, 0.08, 0.85, 1.55, 2.15, glass());
    // A blue band along both sides.
    addSidePanels(m, 1.005, {-2.35, 2.15, 2.15, -2.35}, {0.95, 0.95, 1.12, 1.12},
                  paint(30, 95, 190));
    addWheels(m, 1.65, 0.38, 0.30, 1.03, metal());
    addWheels(m, -1.70, 0.38, 0.30, 1.03, metal());
    addLamps(m, 2.42, 2.52, 0.55, 0.88, 0.97, 1.09, headlamp());
    addLamps(m, -2.53, -2.45, 0.78, 0.95, 0.70, 1.20, taillamp());
    addEndPanel(m, 2.505, -0.45, 0.45, 0.55, 0.92, darkTrim());
    return m;
}

Mesh schoolBus() {
    Mesh m;
    const Material yellow = paint(242, 186, 18);
    const double half = 4.5;
    addBody(m,
            {{-half, 1.20, 0.35, 3.00, 0.15},
             {-half + 0.12, 1.25, 0.32, 3.10, 0.20},
             {half - 0.12, 1.25, 0.32, 3.10, 0.20},
             {half, 1.20, 0.35, 3.00, 0.15}},
            yellow);
    // Side windows between narrow pillars, and black rub strips.
    for (double y = -half + 0.5; y + 1.0 < half - 1.2; y += 1.15)
        addSidePanels(m, 1.255, {y, y + 1.0, y + 1.0, y}, {1.60, 1.60, 2.55, 2.55}, glass());
    addSidePanels(m, 1.255, {half - 1.15, half - 0.25, half - 0.25, half - 1.15},
                  {1.00, 1.00, 2.55, 2.55}, glass());
    addSidePanels(m, 1.255, {-half + 0.2, half - 0.2, half - 0.2, -half + 0.2},
                  {1.05, 1.05, 1.17, 1.17}, darkTrim());
    addEndPanel(m, half + 0.005, -1.05, 1.05, 1.30, 2.75, glass());
    addEndPanel(m, -half - 0.005, -0.90, 0.90, 1.80, 2.60, glass());
    m.addBox({-0.65, -1.50, 3.05}, {0.65, 0.30, 3.28}, 0.06, metal());
    addWheels(m, half - 1.35, 0.52, 0.38, 1.27, metal());
    addWheels(m, -half + 1.90, 0.52, 0.38, 1.27, metal());
    addLamps(m, half - 0.08, half + 0.05, 0.75, 1.10, 0.55, 0.78, headlamp());
    addLamps(m, -half - 0.05, -half + 0.08, 0.80, 1.10, 0.60, 1.05, taillamp());
    return m;
}

Mesh farmTractor() {
    Mesh m;
    const Material green = paint(38, 140, 52);
    const Material yellow = paint(245, 200, 30);
    m.addBox({-0.45, -1.60, 0.55}, {0.45, 1.90, 0.95}, 0.04, darkTrim());
    // Bonnet over the engine, narrower than the cab.
    addBody(m,
            {{0.10, 0.45, 0.85, 1.55, 0.08},
             {1.75, 0.45, 0.85, 1.50, 0.08},
             {1.95, 0.42, 0.90, 1.40, 0.06}},
            green);
    m.addBox({-0.70, -1.50, 0.90}, {0.70, 0.20, 1.25}, 0.05, green);
    addCabin(m, {{0.20, 1.20, 2.70, 0.70, 0.70, 0.02}, {-1.50, 1.20, 2.70, 0.70, 0.70, 0.02}},
             {true}, {false}, green);
    addEndPanel(m, 0.205, -0.62, 0.62, 1.30, 2.62, glass());
    addEndPanel(m, -1.505, -0.62, 0.62, 1.30, 2.62, glass());
    m.addBox({-0.80, -1.62, 2.65}, {0.80, 0.32, 2.80}, 0.04, green);
    // Mudguards over the big rear wheels.
    m.addBox({-1.24, -1.80, 1.62}, {-0.70, 0.00, 1.74}, 0.03, green);
    m.addBox({0.70, -1.80, 1.62}, {1.24, 0.00, 1.74}, 0.03, green);
    addWheels(m, -0.90, 0.85, 0.45, 1.20, yellow);
    addWheels(m, 1.45, 0.48, 0.28, 0.85, yellow);
    m.addCylinder({0.25, 1.20, 1.50}, {0, 0, 1}, 0.05, 1.00, 10, darkTrim(), darkTrim(),
                  darkTrim());
    addLamps(m, 1.90, 1.99, 0.12, 0.34, 1.15, 1.32, headlamp());
    return m;
}

std::vector<VehicleModel> sampleVehicleModels() {
    return {{"SportsCar.srf", sportsCar()},     {"Saloon.srf", saloon()},
            {"PickupTruck.srf", pickupTruck()}, {"DeliveryVan.srf", deliveryVan()},
            {"SchoolBus.srf", schoolBus()},     {"FarmTractor.srf", farmTractor()}};
}

} // namespace srftool
