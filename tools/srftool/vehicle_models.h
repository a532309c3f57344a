// The sample vehicles the program ships with, modelled from a few simple solids.
#pragma once

#include "tools/srftool/mesh.h"

#include <string>
#include <vector>

namespace srftool {

struct VehicleModel {
    std::string fileName; // says what the vehicle is, e.g. "SportsCar.srf"
    Mesh mesh;
};

Mesh sportsCar();
Mesh saloon();
Mesh pickupTruck();
Mesh deliveryVan();
Mesh schoolBus();
Mesh farmTractor();

std::vector<VehicleModel> sampleVehicleModels();

} // namespace srftool
