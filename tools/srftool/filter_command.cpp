#include "tools/srftool/filter_command.h"

#include "surface/alpha_surface.h"
#include "tools/srftool/input_files.h"
#include "tools/srftool/output_files.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace srftool {
namespace {

// The filter to run on the loaded surface: a new surface, or none. The random fills change the
// loaded surface and hand it back.
using Filter = std::function<std::unique_ptr<cAlphaSurface>(std::unique_ptr<cAlphaSurface>)>;

std::vector<std::string_view> splitAtColons(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string_view::npos)
            return parts;
        start = colon + 1;
    }
}

template <typename Number>
std::optional<Number> parseWhole(std::string_view text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value))
            return std::nullopt;
    }
    return value;
}

std::optional<Filter> parseFilter(std::string_view operation) {
    const std::vector<std::string_view> parts = splitAtColons(operation);
    const std::string_view name = parts.front();
    if (parts.size() == 1 && name == "none")
        return Filter([](std::unique_ptr<cAlphaSurface> s) { return s; });
    if (parts.size() == 1 && name == "unsharp")
        return Filter([](std::unique_ptr<cAlphaSurface> s) { return s->UnsharpMask(); });
    if (parts.size() == 2 && name == "random" && (parts[1] == "grey" || parts[1] == "colour")) {
        const bool grey = parts[1] == "grey";
        return Filter([grey](std::unique_ptr<cAlphaSurface> s) {
            s->RandomiseBits(grey);
            return s;
        });
    }
    if (parts.size() == 3 && name == "resample") {
        const auto height = parseWhole<std::int32_t>(parts[1]);
        const auto width = parseWhole<std::int32_t>(parts[2]);
        if (height && width)
            return Filter([h = *height, w = *width](std::unique_ptr<cAlphaSurface> s) {
                return s->Resample(h, w);
            });
    }
    if (parts.size() == 3 && name == "blur") {
        const auto centre = parseWhole<float>(parts[1]);
        const auto neighbours = parseWhole<float>(parts[2]);
        if (centre && neighbours)
            return Filter([a = *centre, b = *neighbours](std::unique_ptr<cAlphaSurface> s) {
                return s->Blur(a, b);
            });
    }
    return std::nullopt;
}

// The system's message texts end in CR LF; a line on the console does not.
std::string withoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

} // namespace

int filterCommand(const std::string& operation, const std::string& file, const std::string& bmp,
                  const Console& console) {
    const std::optional<Filter> filter = parseFilter(operation);
    if (!filter) {
        console.complain("unknown filter '" + operation +
                         "'; use none, resample:H:W, blur:A:B, unsharp, random:grey or "
                         "random:colour");
        return exitFailure;
    }
    files::RegularFile opened;
    if (const Failure failure = openVehicleFile(file, opened)) {
        console.complain("cannot read " + file + ": " + *failure);
        return exitFailure;
    }
    // The surface's writer refuses these too, but in words that leave the reason unclear.
    if (const Failure failure = refusedOutput(bmp)) {
        console.complain("cannot write " + bmp + ": " + *failure);
        return exitFailure;
    }
    auto surface = std::make_unique<cAlphaSurface>();
    if (surface->CreateFromGarminSRF(opened) != 1) {
        console.complain(file + " did not load (result 0); " + bmp + " was not written");
        return exitNotLoaded;
    }
    try {
        const std::unique_ptr<cAlphaSurface> result = (*filter)(std::move(surface));
        if (result == nullptr) {
            console.complain(operation + " gave no surface; " + bmp + " was not written");
            return exitNotLoaded;
        }
        if (!result->SavePicture(std::filesystem::path(outputPath(bmp)))) {
            console.complain("cannot write " + bmp + ": the file could not be written in full");
            return exitFailure;
        }
    } catch (const SurfaceFileError& error) {
        console.complain("cannot write " + bmp + ": " + withoutLineEnd(error.Description()));
        return exitFailure;
    } catch (const std::exception& error) {
        // A divisor of 0, a source too small to resample, a size beyond 32 bits.
        console.complain(operation + " on " + file + ": " + error.what());
        return exitFailure;
    }
    return exitLoaded;
}

} // namespace srftool
