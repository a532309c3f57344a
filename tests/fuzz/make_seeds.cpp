// Writes the seed corpus of the SRF fuzzer: small vehicles in both image-header variants, the
// layouts that exercise the fill columns, and files that fail at each stage.
#include "tests/support/srf_writer.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace {

using srftest::vehicle;

srftest::Image pattern(int width, int height) {
    srftest::Image image = srftest::solid(width, height, 0, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.set(x, y, static_cast<std::uint16_t>(x * 2113 + y * 97),
                      static_cast<std::uint8_t>((x + 3 * y) % 129));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: srf_fuzz_seeds <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int written = 0;
    auto write = [&](const std::string& name, const srftest::File& file) {
        srftest::writeFile((folder / (name + ".srf")).string(), file);
        ++written;
    };
    try {
        write("typical", srftest::typical(4, 8, 8));
        write("patterned", vehicle(pattern(24, 6), pattern(6, 6)));
        srftest::File longHeaders = vehicle(pattern(12, 4), pattern(4, 4));
        longHeaders.image3d.longHeader = true;
        longHeaders.image2d.longHeader = true;
        write("long_headers", longHeaders);
        write("wide_2d", vehicle(pattern(3, 3), pattern(9, 2)));
        write("tall_2d", vehicle(pattern(6, 2), pattern(3, 7)));
        srftest::File badAlpha = vehicle(pattern(8, 2), pattern(4, 4));
        badAlpha.image2d.alpha[5] = 200;
        write("bad_transparency", badAlpha);
        srftest::File shortColour = vehicle(pattern(8, 2), pattern(4, 4));
        shortColour.image3d.colour.resize(shortColour.image3d.colour.size() - 2);
        write("short_colour", shortColour);
        srftest::File noWidth = vehicle(pattern(4, 2), pattern(0, 3));
        noWidth.image2d.alpha = {0};
        noWidth.image2d.colour = {0, 0};
        write("no_2d_width", noWidth);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::cout << "wrote " << written << " seeds to " << folder << '\n';
    return 0;
}
