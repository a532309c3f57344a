#include "tools/srftool/make_command.h"

#include "format/srf_limits.h"
#include "tools/srftool/frame_names.h"
#include "tools/srftool/output_files.h"
#include "tools/srftool/png_input.h"
#include "tools/srftool/srf_encoder.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>

namespace srftool {
namespace {

constexpr const char* makeUsage =
    "usage: srftool make [--type TEXT] [--2d IMAGE.png] FRAMES OUT.srf";

// The type string of every stock vehicle; other readers refuse a file with another one.
constexpr const char* stockType = "GARMIN BITMAP 01";

struct MakeRequest {
    std::string type = stockType;
    std::optional<std::string> image2d;
    std::string frames;
    std::string out;
};

// The request, or nothing after complaining.
std::optional<MakeRequest> parseMake(const std::vector<std::string>& arguments,
                                     const Console& console) {
    MakeRequest request;
    std::optional<std::string> type;
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--type" || argument == "--2d") {
            std::optional<std::string>& value = argument == "--type" ? type : request.image2d;
            if (i + 1 == arguments.size() || value) {
                console.complain(argument + (value ? " given twice; " : " needs a value; ") +
                                 makeUsage);
                return std::nullopt;
            }
            value = arguments[++i];
        } else if (argument.size() > 2 && argument.starts_with("--")) {
            console.complain("unknown option " + argument + "; " + makeUsage);
            return std::nullopt;
        } else {
            operands.push_back(argument);
        }
    }
    if (operands.size() != 2) {
        console.complain(std::string(operands.size() < 2 ? "missing" : "too many") +
                         " arguments; " + makeUsage);
        return std::nullopt;
    }
    if (type) {
        if (type->size() > 16) {
            console.complain("the type text '" + *type + "' is longer than 16 characters");
            return std::nullopt;
        }
        request.type = *type + std::string(16 - type->size(), ' ');
    }
    request.frames = operands[0];
    request.out = operands[1];
    return request;
}

Failure tooWide(int count, int size) {
    return "a strip of " + std::to_string(count) + " frames of " + std::to_string(size) +
           " pixels is wider than " + std::to_string(kLargestSide) + " pixels";
}

// The loader's surface holds the strip above the 2D image, as wide as the wider of them; a
// vehicle whose surface would be larger than any it loads is refused before it is decoded.
Failure surfaceRefusal(const PictureSize& strip, const PictureSize& flat) {
    const std::int64_t width = std::max(strip.width, flat.width);
    const std::int64_t height = std::int64_t{strip.height} + flat.height;
    if (width * height <= srf::kMaxVehicleSurfacePixels)
        return {};
    return "the vehicle would need a surface of " + std::to_string(width) + " x " +
           std::to_string(height) + " pixels, more than the " +
           std::to_string(srf::kMaxVehicleSurfacePixels) + " one vehicle may hold";
}

// Whether a strip of the given size makes a vehicle with the 2D image: `flat`, or frame 0.
using StripCheck = std::function<Failure(const PictureSize& strip)>;

// Reads the picture after `check` has seen its declared size; a refusal of the check comes back
// as it is, any other failure after `prefix`.
Failure readChecked(const std::string& path, RgbaImage& image,
                    const std::function<Failure(const PictureSize&)>& check,
                    const std::string& prefix) {
    Failure refused;
    const Failure failure = readPng(path, image, [&](const PictureSize& size) {
        refused = check(size);
        return refused;
    });
    if (refused)
        return refused;
    if (failure)
        return prefix + *failure;
    return {};
}

// The frames of a folder, frame-00.png on while they last, side by side in one strip. Each
// frame's size is checked from its header before it is decoded.
Failure readFrameFolder(const std::string& folder, const StripCheck& fits, RgbaImage& strip) {
    std::vector<RgbaImage> frames;
    for (int k = 0;; ++k) {
        const std::string path = (std::filesystem::path(folder) / frameFileName(k)).string();
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (k == 0)
                return "the folder holds no " + frameFileName(0);
            break;
        }
        const auto check = [&](const PictureSize& size) -> Failure {
            if (size.width != size.height)
                return frameFileName(k) + " is not square (" + std::to_string(size.width) + " x " +
                       std::to_string(size.height) + ")";
            if (k > 0 && size.width != frames.front().width())
                return frameFileName(k) + " is " + std::to_string(size.width) + " pixels, " +
                       frameFileName(0) + " " + std::to_string(frames.front().width());
            if (static_cast<long long>(k + 1) * size.width > kLargestSide)
                return tooWide(k + 1, size.width);
            return fits({(k + 1) * size.width, size.height});
        };
        RgbaImage frame;
        if (const Failure failure = readChecked(path, frame, check, frameFileName(k) + ": "))
            return failure;
        frames.push_back(std::move(frame));
    }
    const int size = frames.front().width();
    strip = RgbaImage(size * static_cast<int>(frames.size()), size);
    if (strip.isNull())
        return "the strip cannot be allocated";
    for (std::size_t k = 0; k < frames.size(); ++k)
        for (int y = 0; y < size; ++y)
            std::copy_n(frames[k].constScanLine(y), 4 * size,
                        strip.scanLine(y) + 4 * static_cast<std::size_t>(size) * k);
    return {};
}

Failure readFrameStrip(const std::string& path, const StripCheck& fits, RgbaImage& strip) {
    const auto check = [&](const PictureSize& size) -> Failure {
        if (size.width % size.height != 0)
            return "the strip's width " + std::to_string(size.width) +
                   " is not a whole multiple of its height " + std::to_string(size.height);
        return fits(size);
    };
    return readChecked(path, strip, check, "");
}

SrfImage toSrfImage(const RgbaImage& image) {
    return srfImageNearestFromRgba(image.constBits(), image.width(), image.height(),
                                   image.bytesPerLine());
}

} // namespace

int makeCommand(const std::vector<std::string>& arguments, const Console& console) {
    const std::optional<MakeRequest> request = parseMake(arguments, console);
    if (!request)
        return exitFailure;
    // Every size is known from the pictures' headers before a pixel is decoded, so a picture
    // that declares more than a vehicle holds costs nothing.
    std::optional<PictureSize> flat;
    if (request->image2d) {
        PictureSize size;
        if (const Failure failure = readPngSize(*request->image2d, size)) {
            console.complain("cannot read " + *request->image2d + ": " + *failure);
            return exitFailure;
        }
        flat = size;
    }
    const StripCheck fits = [&flat](const PictureSize& strip) {
        return surfaceRefusal(strip, flat.value_or(PictureSize{strip.height, strip.height}));
    };
    std::error_code error;
    const bool folder = std::filesystem::is_directory(request->frames, error);
    RgbaImage strip;
    if (const Failure failure = folder ? readFrameFolder(request->frames, fits, strip)
                                       : readFrameStrip(request->frames, fits, strip)) {
        console.complain("cannot make a vehicle from " + request->frames + ": " + *failure);
        return exitFailure;
    }
    RgbaImage image2d;
    if (request->image2d) {
        // Checked again on the picture as decoded, which may have changed meanwhile.
        const PictureSize stripSize{strip.width(), strip.height()};
        if (const Failure failure = readChecked(
                *request->image2d, image2d,
                [&](const PictureSize& size) { return surfaceRefusal(stripSize, size); }, "")) {
            console.complain("cannot read " + *request->image2d + ": " + *failure);
            return exitFailure;
        }
    } else {
        image2d = strip.copy(0, 0, strip.height(), strip.height());
    }
    SrfFile file;
    file.type = request->type;
    file.productCode = "MOTORHALL-01";
    file.image3d = toSrfImage(strip);
    file.image2d = toSrfImage(image2d);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = encodeSrf(file);
    } catch (const std::invalid_argument& invalid) {
        console.complain("cannot make " + request->out + ": " + invalid.what());
        return exitFailure;
    }
    if (const Failure failure = saveBytes(bytes, request->out)) {
        console.complain("cannot write " + request->out + ": " + *failure);
        return exitFailure;
    }
    if (request->type != stockType)
        console.complain("warning: " + request->out + " has the type string '" + request->type +
                         "', not '" + stockType + "'; other readers may refuse it");
    return exitLoaded;
}

} // namespace srftool
