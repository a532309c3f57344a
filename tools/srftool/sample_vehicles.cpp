#include "tools/srftool/sample_vehicles.h"

#include "tools/srftool/srf_encoder.h"
#include "tools/srftool/vehicle_models.h"
#include "tools/srftool/vehicle_renderer.h"

namespace srftool {
namespace {

SrfImage toSrfImage(const RgbaImage& image) {
    return srfImageFromRgba(image.constBits(), image.width(), image.height(), image.bytesPerLine());
}

} // namespace

std::vector<SampleVehicle> buildSampleVehicles() {
    ViewStyle style;
    style.frameSize = kSampleFrameSize;
    std::vector<SampleVehicle> samples;
    for (VehicleModel& model : sampleVehicleModels()) {
        const VehicleRenderer renderer(std::move(model.mesh), style);
        SrfFile file;
        file.productCode = "MOTORHALL-01";
        file.image3d = toSrfImage(renderer.strip(kSampleFrameCount));
        file.image2d = toSrfImage(renderer.topView());
        samples.push_back({model.fileName, encodeSrf(file)});
    }
    return samples;
}

} // namespace srftool
