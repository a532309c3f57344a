#include "format/srf_limits.h"
#include "platform/files/regular_file.h"
#include "surface/alpha_surface.h"
#include "tests/support/srf_expected_pixel.h"
#include "tests/support/srf_writer.h"
#include "tests/surface/surface_probe.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using srftest::vehicle;
using surfacetest::Bgra;
using surfacetest::pixelAt;
using surfacetest::pixelHash;

namespace {

// The load written out pixel by pixel the way the format describes it, as the reference for
// the fast decoder: 2D rows first, then the 3D rows, each line from column 0 to W - 1, fill
// columns in the colour of the last pixel decoded, stopping at the first pixel whose bytes are
// missing or whose transparency is above 128.
struct ModelLoad {
    int result = 0;
    int width = 0, height = 0;
    std::vector<Bgra> lines; // top-down, width x height; empty when no surface is made
};

ModelLoad modelLoad(const srftest::File& file) {
    ModelLoad m;
    const srftest::Image& i3 = file.image3d;
    const srftest::Image& i2 = file.image2d;
    m.width = std::max(i3.width, i2.width);
    m.height = i3.height + i2.height;
    if (m.width <= 0 || m.height <= 0)
        return m;
    m.lines.assign(static_cast<std::size_t>(m.width) * m.height, Bgra{0, 0, 0, 0});
    Bgra current = {0, 0, 0, 0};
    for (const auto& [image, firstLine] : {std::pair{&i2, int{i3.height}}, {&i3, 0}}) {
        for (int r = 0; r < image->height; ++r) {
            for (int x = 0; x < m.width; ++x) {
                Bgra& out = m.lines[static_cast<std::size_t>(firstLine + r) * m.width + x];
                if (x >= image->width) {
                    out = {current[0], current[1], current[2], 255};
                    continue;
                }
                const std::size_t i = static_cast<std::size_t>(r) * image->width + x;
                if (2 * i + 1 >= image->colour.size())
                    return m;
                const auto [blue, green, red] = srftest::expectedBgr(static_cast<std::uint16_t>(
                    image->colour[2 * i] | image->colour[2 * i + 1] << 8));
                current = {blue, green, red, 0};
                if (i >= image->alpha.size())
                    return m;
                const std::optional<int> alpha = srftest::expectedOpacity(image->alpha[i]);
                if (!alpha)
                    return m;
                out = {blue, green, red, *alpha};
            }
        }
    }
    m.result = 1;
    return m;
}

// An image whose pixels all differ in colour and cycle through every valid transparency.
srftest::Image patterned(int width, int height, int seed) {
    srftest::Image image = srftest::solid(width, height, 0, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.set(x, y, static_cast<std::uint16_t>(seed * 7919 + y * 613 + x * 37),
                      static_cast<std::uint8_t>((seed + y * 5 + x) % 129));
    return image;
}

// A zero-sized image still needs blocks of at least one byte to be read at all.
srftest::Image emptyImage(int width, int height) {
    srftest::Image image;
    image.width = static_cast<std::int16_t>(width);
    image.height = static_cast<std::int16_t>(height);
    image.alpha = {0};
    image.colour = {0x1F, 0x00};
    return image;
}

std::vector<Bgra> surfaceLines(const cAlphaSurface& surface) {
    std::vector<Bgra> lines;
    for (int line = 0; line < surface.Height(); ++line)
        for (int x = 0; x < surface.Width(); ++x)
            lines.push_back(pixelAt(surface, x, line));
    return lines;
}

struct LoadCase {
    std::string name;
    srftest::File file;
};

std::vector<LoadCase> loadCases() {
    std::vector<LoadCase> cases;
    auto add = [&](std::string name, srftest::File file) {
        cases.push_back({std::move(name), std::move(file)});
    };
    add("strip wider than the 2D image", vehicle(patterned(12, 4, 1), patterned(4, 4, 2)));
    add("2D image taller than the strip", vehicle(patterned(6, 2, 3), patterned(3, 5, 4)));
    add("equal widths", vehicle(patterned(5, 3, 5), patterned(5, 2, 6)));
    add("2D image wider than the strip", vehicle(patterned(3, 3, 7), patterned(8, 2, 8)));
    add("no 2D lines", vehicle(patterned(8, 2, 9), emptyImage(4, 0)));
    add("no strip lines", vehicle(emptyImage(9, 0), patterned(4, 3, 10)));
    add("2D image of no width", vehicle(patterned(4, 2, 11), emptyImage(0, 3)));
    add("strip of no width after the 2D image", vehicle(emptyImage(0, 2), patterned(3, 2, 12)));
    add("one pixel each", vehicle(patterned(1, 1, 13), patterned(1, 1, 14)));
    {
        srftest::File f = vehicle(patterned(6, 3, 15), patterned(4, 4, 16));
        f.image3d.longHeader = true;
        f.image2d.longHeader = true;
        add("long image headers", std::move(f));
    }
    {
        srftest::File f =
            vehicle(srftest::solid(4, 2, 0xF81F, 128), srftest::solid(2, 2, 0x07E0, 128));
        add("fully transparent pixels keep their colour", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(6, 3, 17), patterned(4, 4, 18));
        f.image2d.alpha[9] = 129;
        add("bad transparency inside the 2D image", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(6, 3, 19), patterned(4, 4, 20));
        f.image2d.alpha[0] = 255;
        add("bad transparency at the first pixel", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(3, 3, 21), patterned(8, 2, 22));
        f.image3d.alpha[4] = 130;
        add("bad transparency in a strip line with fill columns", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(6, 3, 23), patterned(4, 2, 24));
        f.image3d.colour.resize(f.image3d.colour.size() - 2);
        add("strip colour block one word short", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(6, 3, 25), patterned(4, 2, 26));
        f.image3d.colour.resize(f.image3d.colour.size() - 1);
        add("strip colour block one byte short", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(6, 3, 27), patterned(4, 2, 28));
        f.image2d.alpha.resize(5);
        add("2D transparency block short", std::move(f));
    }
    {
        srftest::File f = vehicle(patterned(6, 3, 29), patterned(4, 2, 30));
        f.image3d.alpha.resize(40, 0);
        f.image3d.colour.resize(100, 0xFF);
        f.trailing = {1, 2, 3, 4, 5};
        add("blocks longer than needed and bytes after the file", std::move(f));
    }
    return cases;
}

// Every case checked against the reference, pixel for pixel, from a file (by its path, and opened
// by the caller) and from memory.
TEST(SrfLoad, DecodesLikeTheReferenceInEveryLayout) {
    const fs::path path =
        fs::temp_directory_path() / ("srf_load_reference_" + std::to_string(::getpid()) + ".srf");
    for (const LoadCase& c : loadCases()) {
        const ModelLoad want = modelLoad(c.file);
        ASSERT_FALSE(want.lines.empty()) << c.name << ": the case should make a surface";
        const std::vector<std::uint8_t> data = srftest::bytes(c.file);
        srftest::writeFile(path.string(), data);
        cAlphaSurface fromFile, fromOpenFile, fromMemory;
        EXPECT_EQ(fromFile.CreateFromGarminSRF(path), want.result) << c.name;
        EXPECT_EQ(fromOpenFile.CreateFromGarminSRF(
                      files::RegularFile::open(path, srf::kMaxVehicleFileBytes)),
                  want.result)
            << c.name;
        EXPECT_EQ(fromMemory.CreateFromGarminSRFBytes(data), want.result) << c.name;
        for (const cAlphaSurface* surface : {&fromFile, &fromOpenFile, &fromMemory}) {
            ASSERT_EQ(surface->Width(), want.width) << c.name;
            ASSERT_EQ(surface->Height(), want.height) << c.name;
            EXPECT_EQ(surface->Width3D(), c.file.image3d.height) << c.name;
            EXPECT_EQ(surface->Height3D(), c.file.image3d.height) << c.name;
            EXPECT_EQ(surface->Width2D(), c.file.image2d.height) << c.name;
            EXPECT_EQ(surface->Height2D(), c.file.image2d.height) << c.name;
            const std::vector<Bgra> got = surfaceLines(*surface);
            for (std::size_t i = 0; i < got.size(); ++i)
                ASSERT_EQ(got[i], want.lines[i])
                    << c.name << ": x " << i % want.width << ", line " << i / want.width;
        }
    }
    fs::remove(path);
}

// A decode that fails at any pixel keeps the pixels before it and leaves zeros from it on, also
// where the surface's memory held a vehicle of the same size just before. The widths are no
// multiple of any vector width, so the bad byte falls on every position of a group of lanes.
TEST(SrfLoad, AFailureAtAnyPixelLeavesZerosFromItOnWhateverTheMemoryHeld) {
    const srftest::File good = vehicle(patterned(131, 3, 50), patterned(70, 2, 51));
    std::vector<std::pair<std::string, srftest::File>> failing;
    for (const bool inStrip : {false, true}) {
        const srftest::Image& image = inStrip ? good.image3d : good.image2d;
        const std::size_t pixels = image.alpha.size();
        for (std::size_t i = 0; i < pixels; ++i) {
            srftest::File f = good;
            (inStrip ? f.image3d : f.image2d).alpha[i] = static_cast<std::uint8_t>(129 + i % 127);
            failing.emplace_back(std::string(inStrip ? "strip" : "2D image") + " transparency " +
                                     std::to_string(i),
                                 std::move(f));
        }
        for (const std::size_t words : {std::size_t{0}, std::size_t{1}, std::size_t{63},
                                        std::size_t{64}, std::size_t{65}, pixels - 1}) {
            srftest::File f = good;
            (inStrip ? f.image3d : f.image2d).colour.resize(2 * words + 1);
            failing.emplace_back(std::string(inStrip ? "strip" : "2D image") + " colour cut at " +
                                     std::to_string(words),
                                 std::move(f));
        }
    }
    const std::vector<std::uint8_t> goodBytes = srftest::bytes(good);
    cAlphaSurface surface;
    for (const auto& [name, file] : failing) {
        ASSERT_EQ(surface.CreateFromGarminSRFBytes(goodBytes), 1);
        ASSERT_EQ(surface.CreateFromGarminSRFBytes(srftest::bytes(file)), 0) << name;
        const ModelLoad want = modelLoad(file);
        const std::vector<Bgra> got = surfaceLines(surface);
        ASSERT_EQ(got.size(), want.lines.size()) << name;
        for (std::size_t i = 0; i < got.size(); ++i)
            ASSERT_EQ(got[i], want.lines[i])
                << name << ": x " << i % want.width << ", line " << i / want.width;
    }
}

TEST(SrfLoad, AVehicleStripAndItsFlatImageFillOneSurface) {
    // 36 frames of 80 pixels and an 80 x 80 2D image whose every line ends in its own colour.
    srftest::File file = vehicle(patterned(2880, 80, 31), srftest::solid(80, 80, 0, 0));
    for (int y = 0; y < 80; ++y)
        file.image2d.set(79, y, static_cast<std::uint16_t>(0xF800 | (y & 0x1F)), 64);
    cAlphaSurface surface;
    ASSERT_EQ(surface.CreateFromGarminSRFBytes(srftest::bytes(file)), 1);
    EXPECT_EQ(surface.SRFType(), "GARMIN BITMAP 01");
    EXPECT_EQ(surface.Width3D(), 80);
    EXPECT_EQ(surface.Height3D(), 80);
    EXPECT_EQ(surface.Width2D(), 80);
    EXPECT_EQ(surface.Height2D(), 80);
    EXPECT_EQ(surface.Width(), 2880);
    EXPECT_EQ(surface.Height(), 160);
    for (int y = 0; y < 80; ++y) {
        const int blue = (y & 0x1F) << 3;
        EXPECT_EQ(pixelAt(surface, 0, 80 + y), (Bgra{0, 0, 0, 255}));
        EXPECT_EQ(pixelAt(surface, 79, 80 + y), (Bgra{blue, 0, 248, 128}));
        for (const int x : {80, 81, 1000, 2879})
            ASSERT_EQ(pixelAt(surface, x, 80 + y), (Bgra{blue, 0, 248, 255})) << x << "," << y;
    }
    const ModelLoad want = modelLoad(file);
    EXPECT_EQ(surfaceLines(surface), want.lines);
}

TEST(SrfLoad, A2DImageOfNoWidthGivesOpaqueBlackLines) {
    cAlphaSurface surface;
    ASSERT_EQ(surface.CreateFromGarminSRFBytes(
                  srftest::bytes(vehicle(srftest::solid(3, 2, 0xFFFF, 0), emptyImage(0, 2)))),
              1);
    ASSERT_EQ(surface.Height(), 4);
    for (int line = 2; line < 4; ++line)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixelAt(surface, x, line), (Bgra{0, 0, 0, 255}));
    EXPECT_EQ(pixelAt(surface, 2, 1), (Bgra{248, 248, 248, 255}));
}

TEST(SrfLoad, AFailureInThe2DImageLeavesTheWholeStripTransparent) {
    srftest::File file = vehicle(srftest::solid(4, 3, 0xFFFF, 0), srftest::solid(4, 2, 0xFFFF, 0));
    file.image2d.alpha[6] = 129; // second 2D line, third pixel
    cAlphaSurface surface;
    ASSERT_EQ(surface.CreateFromGarminSRFBytes(srftest::bytes(file)), 0);
    EXPECT_EQ(surface.Width3D(), 3);
    EXPECT_EQ(surface.Height2D(), 2);
    for (int line = 0; line < 3; ++line)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixelAt(surface, x, line), (Bgra{0, 0, 0, 0})) << x << "," << line;
    EXPECT_EQ(pixelAt(surface, 3, 3), (Bgra{248, 248, 248, 255}));
    EXPECT_EQ(pixelAt(surface, 1, 4), (Bgra{248, 248, 248, 255}));
    EXPECT_EQ(pixelAt(surface, 2, 4), (Bgra{0, 0, 0, 0}));
    EXPECT_EQ(pixelAt(surface, 3, 4), (Bgra{0, 0, 0, 0}));
}

TEST(SrfLoad, ATypeStringIsKeptByteForByte) {
    std::array<std::uint8_t, 16> withNul = {'C', 'A', 'R', 0, 'X', 0xE9, 0xFF, 0x80,
                                            1,   2,   3,   4, 5,   6,    7,    8};
    srftest::File file = vehicle(patterned(2, 2, 1), patterned(2, 2, 2));
    file.type = withNul;
    cAlphaSurface surface;
    ASSERT_EQ(surface.CreateFromGarminSRFBytes(srftest::bytes(file)), 1);
    ASSERT_EQ(surface.SRFType().size(), 16u);
    EXPECT_EQ(surface.SRFType(), std::string(withNul.begin(), withNul.end()));
    EXPECT_EQ(surface.SRFType()[3], '\0');
}

// A file the reader rejects leaves everything of the previous load in place.
TEST(SrfLoad, AFailedReadLeavesTheSurfaceAsItWas) {
    const srftest::File good = vehicle(patterned(6, 3, 40), patterned(4, 4, 41));
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> damaged;
    auto add = [&](std::string name, auto change) {
        srftest::File f = good;
        change(f);
        damaged.emplace_back(std::move(name), srftest::bytes(f));
    };
    add("strip transparency length 0", [](srftest::File& f) { f.image3d.declaredAlphaLength = 0; });
    add("strip colour length 0", [](srftest::File& f) { f.image3d.declaredColourLength = 0; });
    add("2D transparency length -5", [](srftest::File& f) { f.image2d.declaredAlphaLength = -5; });
    add("2D colour length 0", [](srftest::File& f) { f.image2d.declaredColourLength = 0; });
    add("block beyond the file",
        [](srftest::File& f) { f.image3d.declaredColourLength = 0x7FFFFFF0; });
    add("negative strip height", [](srftest::File& f) { f.image3d.height = -80; });
    add("negative 2D width", [](srftest::File& f) { f.image2d.width = -1; });
    {
        const std::vector<std::uint8_t> whole = srftest::bytes(good);
        damaged.emplace_back("file ends inside the 2D colour block",
                             std::vector<std::uint8_t>(whole.begin(), whole.end() - 3));
        damaged.emplace_back("file ends inside the file header",
                             std::vector<std::uint8_t>(whole.begin(), whole.begin() + 40));
        damaged.emplace_back("empty file", std::vector<std::uint8_t>{});
    }
    for (const auto& [name, data] : damaged) {
        cAlphaSurface surface;
        ASSERT_EQ(surface.CreateFromGarminSRFBytes(srftest::bytes(good)), 1);
        const std::uint64_t hash = pixelHash(surface);
        const gdi::HBITMAP bitmap = surface.hDIB();
        EXPECT_EQ(surface.CreateFromGarminSRFBytes(data), 0) << name;
        EXPECT_EQ(surface.hDIB(), bitmap) << name;
        EXPECT_EQ(pixelHash(surface), hash) << name;
        EXPECT_EQ(surface.SRFType(), "GARMIN BITMAP 01") << name;
        EXPECT_EQ(surface.Width3D(), 3) << name;
        EXPECT_EQ(surface.Height2D(), 4) << name;
        EXPECT_EQ(surface.Width(), 6) << name;
        EXPECT_EQ(surface.Height(), 7) << name;
    }
    cAlphaSurface fresh;
    EXPECT_EQ(fresh.CreateFromGarminSRFBytes(damaged.front().second), 0);
    EXPECT_EQ(fresh.SRFType(), "");
    EXPECT_EQ(fresh.Width3D(), 0);
    EXPECT_EQ(fresh.hDC(), 0);
}

// Sizes that make no surface fail after the new properties were taken, leaving no image.
TEST(SrfLoad, ASurfaceThatCannotBeMadeFailsWithTheNewProperties) {
    struct Case {
        const char* name;
        int height3d, width3d, height2d, width2d;
    };
    const Case cases[] = {
        {"no lines at all", 0, 9, 0, 4},
        {"no columns at all", 5, 0, 6, 0},
        {"4 x W x H beyond 32 bits", 20000, 30000, 0, 1},
        {"4 x W x H beyond 32 bits with the largest sizes", 32767, 32767, 32767, 32767},
        // 157 bytes on disk, 2 GiB of surface.
        {"32767 x 16383 from a strip of no lines and a 2D image of no columns", 0, 32767, 16383, 0},
        {"one pixel more than 16 Mi, 24929 x 673", 0, 24929, 673, 0},
        {"one pixel more than 16 Mi, lines from both images", 336, 0, 337, 24929},
    };
    for (const Case& c : cases) {
        cAlphaSurface surface;
        ASSERT_EQ(surface.CreateFromGarminSRFBytes(
                      srftest::bytes(vehicle(patterned(3, 3, 1), patterned(3, 3, 2)))),
                  1);
        const srftest::File file =
            vehicle(emptyImage(c.width3d, c.height3d), emptyImage(c.width2d, c.height2d));
        std::int32_t result = -1;
        EXPECT_NO_THROW(result = surface.CreateFromGarminSRFBytes(srftest::bytes(file))) << c.name;
        EXPECT_EQ(result, 0) << c.name;
        EXPECT_EQ(surface.hDIB(), 0) << c.name;
        EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr) << c.name;
        EXPECT_EQ(surface.Width3D(), c.height3d) << c.name;
        EXPECT_EQ(surface.Height2D(), c.height2d) << c.name;
        EXPECT_EQ(surface.Width(), std::max(c.width3d, c.width2d)) << c.name;
        EXPECT_EQ(surface.Height(), c.height3d + c.height2d) << c.name;
    }
}

// The largest vehicle that loads: 16384 x 1024 pixels, the 2D lines all opaque black fill.
TEST(SrfLoad, AVehicleOfExactly16MiPixelsLoads) {
    cAlphaSurface surface;
    ASSERT_EQ(surface.CreateFromGarminSRFBytes(
                  srftest::bytes(vehicle(emptyImage(16384, 0), emptyImage(0, 1024)))),
              1);
    ASSERT_EQ(surface.Width(), 16384);
    ASSERT_EQ(surface.Height(), 1024);
    EXPECT_EQ(pixelAt(surface, 0, 0), (Bgra{0, 0, 0, 255}));
    EXPECT_EQ(pixelAt(surface, 16383, 1023), (Bgra{0, 0, 0, 255}));
}

class SrfLoadFromFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("srf_load_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(SrfLoadFromFile, AMissingFileFailsAndIsNotCreated) {
    cAlphaSurface surface;
    const fs::path path = folder_ / "nothing here.srf";
    EXPECT_EQ(surface.CreateFromGarminSRF(path), 0);
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(surface.hDC(), 0);
}

// A few bytes on disk must not make the program hold 2 GiB.
TEST_F(SrfLoadFromFile, ASmallFileAskingForAHugeSurfaceIsRefused) {
    const fs::path path = folder_ / "huge.srf";
    srftest::writeFile(path.string(), vehicle(emptyImage(32767, 0), emptyImage(0, 16383)));
    ASSERT_EQ(fs::file_size(path), 157u);
    cAlphaSurface surface;
    EXPECT_EQ(surface.CreateFromGarminSRF(path), 0);
    EXPECT_EQ(surface.hDIB(), 0);
    EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr);
    EXPECT_EQ(surface.Width(), 32767);
    EXPECT_EQ(surface.Height(), 16383);
    EXPECT_EQ(surface.SRFType(), "GARMIN BITMAP 01");
    EXPECT_EQ(surface.Height2D(), 16383);
}

TEST_F(SrfLoadFromFile, AFailedReadDoesNotSpoilTheNextOne) {
    srftest::File bad = vehicle(patterned(4, 2, 1), patterned(2, 2, 2));
    bad.image2d.declaredAlphaLength = 0;
    const srftest::File good = vehicle(patterned(4, 2, 3), patterned(2, 2, 4));
    srftest::writeFile((folder_ / "bad.srf").string(), bad);
    srftest::writeFile((folder_ / "good.srf").string(), good);
    cAlphaSurface surface;
    EXPECT_EQ(surface.CreateFromGarminSRF(folder_ / "bad.srf"), 0);
    EXPECT_EQ(surface.CreateFromGarminSRF(folder_ / "good.srf"), 1);
    EXPECT_EQ(surfaceLines(surface), modelLoad(good).lines);
}

} // namespace
