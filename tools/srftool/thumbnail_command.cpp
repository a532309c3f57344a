#include "tools/srftool/thumbnail_command.h"

#include "surface/alpha_surface.h"
#include "tools/srftool/input_files.h"
#include "tools/srftool/output_files.h"
#include "tools/srftool/rgba_scale.h"
#include "tools/srftool/surface_image.h"

#include <charconv>
#include <optional>

namespace srftool {
namespace {

constexpr int kDefaultSize = 128;
// Larger than any thumbnail a desktop asks for (1024 at most), small enough that a hostile
// argument cannot make the scaled image huge.
constexpr int kLargestSize = 4096;

constexpr const char* kUsage = "usage: srftool thumbnail [-s SIZE] FILE OUT.png";

struct Request {
    int size = kDefaultSize;
    std::string file;
    std::string png;
};

std::optional<int> parseSize(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 1 || value > kLargestSize)
        return std::nullopt;
    return value;
}

std::optional<Request> parse(const std::vector<std::string>& operands, const Console& console) {
    Request request;
    std::size_t at = 0;
    if (!operands.empty() && operands.front() == "-s") {
        if (operands.size() < 2) {
            console.complain(std::string("missing size after -s; ") + kUsage);
            return std::nullopt;
        }
        const std::optional<int> size = parseSize(operands[1]);
        if (!size) {
            console.complain("the size '" + operands[1] + "' is not a whole number from 1 to " +
                             std::to_string(kLargestSize));
            return std::nullopt;
        }
        request.size = *size;
        at = 2;
    }
    const std::size_t given = operands.size() - at;
    if (given != 2) {
        console.complain(std::string(given < 2 ? "missing" : "too many") + " arguments; " + kUsage);
        return std::nullopt;
    }
    request.file = operands[at];
    request.png = operands[at + 1];
    return request;
}

} // namespace

int thumbnailCommand(const std::vector<std::string>& operands, const Console& console) {
    const std::optional<Request> request = parse(operands, console);
    if (!request)
        return exitFailure;
    files::RegularFile opened;
    if (const Failure failure = openVehicleFile(request->file, opened)) {
        console.complain("cannot read " + request->file + ": " + *failure);
        return exitFailure;
    }
    cAlphaSurface surface;
    const std::int32_t result = surface.CreateFromGarminSRF(opened);
    if (wholeStripFrames(surface) < 1) {
        console.complain(request->file + " has no frame to show; " + request->png +
                         " was not written");
        return exitNotLoaded;
    }
    // A part of a picture is no picture: without a file, a file manager shows its own placeholder
    // instead of a blank or half-drawn vehicle.
    if (result != 1) {
        console.complain(request->file + " did not load completely (result 0); " + request->png +
                         " was not written");
        return exitNotLoaded;
    }
    const RgbaImage frame =
        surfaceRegionToImage(surface, 0, 0, surface.Width3D(), surface.Height3D());
    const RgbaImage scaled = scaleToFit(frame, request->size);
    if (scaled.isNull()) {
        console.complain("cannot write " + request->png + ": the image cannot be made");
        return exitFailure;
    }
    if (const Failure failure = savePng(scaled, request->png)) {
        console.complain("cannot write " + request->png + ": " + *failure);
        return exitFailure;
    }
    return exitLoaded;
}

} // namespace srftool
