#include "tools/srftool/vehicle_commands.h"

#include "surface/alpha_surface.h"
#include "tools/srftool/frame_names.h"
#include "tools/srftool/input_files.h"
#include "tools/srftool/output_files.h"
#include "tools/srftool/surface_image.h"
#include "tools/srftool/type_string_escape.h"

#include <algorithm>
#include <filesystem>

namespace srftool {
namespace {

// Opens the vehicle file once and loads it into the surface from that open file; nothing when it
// cannot even be opened (the caller has complained then).
std::optional<std::int32_t> load(cAlphaSurface& surface, const std::string& file,
                                 files::RegularFile& opened, const Console& console) {
    if (const Failure failure = openVehicleFile(file, opened)) {
        console.complain("cannot read " + file + ": " + *failure);
        return std::nullopt;
    }
    return surface.CreateFromGarminSRF(opened);
}

std::optional<std::int32_t> load(cAlphaSurface& surface, const std::string& file,
                                 const Console& console) {
    files::RegularFile opened;
    return load(surface, file, opened, console);
}

int statusOf(std::int32_t result) {
    return result == 1 ? exitLoaded : exitNotLoaded;
}

void reportIncompleteLoad(const std::string& file, const Console& console) {
    console.complain(file + " did not load completely (result 0); writing what the surface holds");
}

} // namespace

int infoCommand(const std::vector<std::string>& files, const Console& console) {
    int status = exitLoaded;
    bool first = true;
    for (const std::string& file : files) {
        cAlphaSurface surface;
        files::RegularFile opened;
        const std::optional<std::int32_t> result = load(surface, file, opened, console);
        if (!result) {
            status = exitFailure;
            continue;
        }
        // The bytes the surface was loaded from, whatever took the file's name since.
        const std::optional<std::uint8_t> sum = byteSumOf(opened);
        if (!first)
            console.out << '\n';
        first = false;
        console.out << "result: " << (*result == 1 ? 1 : 0) << '\n'
                    << "type: " << escapeTypeString(surface.SRFType()) << '\n'
                    << "3d: " << surface.Width3D() << 'x' << surface.Height3D() << '\n'
                    << "2d: " << surface.Width2D() << 'x' << surface.Height2D() << '\n'
                    << "surface: " << surface.Width() << 'x' << surface.Height() << '\n'
                    << "checksum: " << (sum && *sum == 0 ? "ok" : "wrong") << '\n';
        status = std::max(status, statusOf(*result));
    }
    return status;
}

int pngCommand(const std::string& file, const std::string& png, const Console& console) {
    cAlphaSurface surface;
    const std::optional<std::int32_t> result = load(surface, file, console);
    if (!result)
        return exitFailure;
    if (!surfaceHasPixels(surface)) {
        console.complain(file + " gave no pixels; " + png + " was not written");
        return statusOf(*result);
    }
    if (*result != 1)
        reportIncompleteLoad(file, console);
    const RgbaImage image = surfaceRegionToImage(surface, 0, 0, surface.Width(), surface.Height());
    if (image.isNull()) {
        console.complain("cannot write " + png + ": the surface is too large for an image");
        return exitFailure;
    }
    if (const Failure failure = savePng(image, png)) {
        console.complain("cannot write " + png + ": " + *failure);
        return exitFailure;
    }
    return statusOf(*result);
}

int framesCommand(const std::string& file, const std::string& folder, const Console& console) {
    cAlphaSurface surface;
    const std::optional<std::int32_t> result = load(surface, file, console);
    if (!result)
        return exitFailure;
    if (const Failure failure = ensureFolder(folder)) {
        console.complain("cannot write to " + folder + ": " + *failure);
        return exitFailure;
    }
    if (*result != 1)
        reportIncompleteLoad(file, console);
    const int size = surface.Width3D();
    const int count = wholeStripFrames(surface);
    for (int k = 0; k < count; ++k) {
        const std::string path = (std::filesystem::path(folder) / frameFileName(k)).string();
        const RgbaImage frame =
            surfaceRegionToImage(surface, k * size, 0, size, surface.Height3D());
        if (const Failure failure = savePng(frame, path)) {
            console.complain("cannot write " + path + ": " + *failure);
            return exitFailure;
        }
    }
    return statusOf(*result);
}

} // namespace srftool
