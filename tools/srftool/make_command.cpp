#include "tools/srftool/make_command.h"

#include "tools/srftool/frame_names.h"
#include "tools/srftool/output_files.h"
#include "tools/srftool/png_input.h"
#include "tools/srftool/srf_encoder.h"

#include <algorithm>
#include <filesystem>
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
           " pixels is wider than " + std::to_string(largestSide) + " pixels";
}

// The frames of a folder, frame-00.png on while they last, side by side in one strip.
Failure readFrameFolder(const std::string& folder, RgbaImage& strip) {
    std::vector<RgbaImage> frames;
    for (int k = 0;; ++k) {
        const std::string path = (std::filesystem::path(folder) / frameFileName(k)).string();
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (k == 0)
                return "the folder holds no " + frameFileName(0);
            break;
        }
        RgbaImage frame;
        if (const Failure failure = readPng(path, frame))
            return frameFileName(k) + ": " + *failure;
        if (frame.width() != frame.height())
            return frameFileName(k) + " is not square (" + std::to_string(frame.width()) + " x " +
                   std::to_string(frame.height()) + ")";
        if (k > 0 && frame.width() != frames.front().width())
            return frameFileName(k) + " is " + std::to_string(frame.width()) + " pixels, " +
                   frameFileName(0) + " " + std::to_string(frames.front().width());
        if (static_cast<long long>(k + 1) * frame.width() > largestSide)
            return tooWide(k + 1, frame.width());
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

Failure readFrameStrip(const std::string& path, RgbaImage& strip) {
    if (const Failure failure = readPng(path, strip))
        return failure;
    if (strip.width() % strip.height() != 0)
        return "the strip's width " + std::to_string(strip.width()) +
               " is not a whole multiple of its height " + std::to_string(strip.height());
    return {};
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
    std::error_code error;
    const bool folder = std::filesystem::is_directory(request->frames, error);
    RgbaImage strip;
    if (const Failure failure = folder ? readFrameFolder(request->frames, strip)
                                       : readFrameStrip(request->frames, strip)) {
        console.complain("cannot make a vehicle from " + request->frames + ": " + *failure);
        return exitFailure;
    }
    RgbaImage image2d;
    if (request->image2d) {
        if (const Failure failure = readPng(*request->image2d, image2d)) {
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
