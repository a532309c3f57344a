#include "surface/alpha_surface.h"
#include "tests/support/srf_writer.h"
#include "tools/srftool/srf_encoder.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace srftool;

namespace {

TEST(SrfColourWord, KeepsTheTopFiveBitsOfEachChannelAndLeavesBitFiveClear) {
    struct Case {
        std::uint8_t red, green, blue;
        std::uint16_t word;
    };
    const Case cases[] = {
        {255, 255, 255, 0xFFDF},    {248, 0, 0, 0xF800}, {0, 248, 0, 0x07C0},
        {0, 0, 248, 0x001F},        {7, 7, 7, 0x0000},   {8, 8, 8, 0x0841},
        {0x80, 0x40, 0x20, 0x8204},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.red) << ',' << int(c.green) << ',' << int(c.blue));
        EXPECT_EQ(srfColourWord(c.red, c.green, c.blue), c.word);
    }
}

TEST(SrfTransparency, RunsFromOpaqueZeroToFullyTransparent128RoundedToNearest) {
    const std::pair<int, int> cases[] = {{255, 0},  {254, 1}, {253, 1}, {128, 64},
                                         {127, 64}, {2, 127}, {1, 127}, {0, 128}};
    for (const auto& [alpha, t] : cases)
        EXPECT_EQ(srfTransparency(static_cast<std::uint8_t>(alpha)), t) << "alpha " << alpha;
}

TEST(SrfImageFromRgba, ConvertsRowsTopDownAndClearsTheColourOfTransparentPixels) {
    // Two rows of two pixels in lines of 12 bytes: the last 4 bytes of each line are padding
    // that must be skipped.
    const std::uint8_t pixels[] = {
        255, 0,   0,  255, /**/ 10, 200, 30, 128, /**/ 9, 9, 9, 9, //
        200, 100, 50, 0,   /**/ 0,  0,   0,  1,   /**/ 9, 9, 9, 9,
    };
    const SrfImage image = srfImageFromRgba(pixels, 2, 2, 12);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.transparency, (std::vector<std::uint8_t>{0, 64, 128, 127}));
    // 10, 200, 30 keep 1, 25 and 3 in their top five bits: 0x0800 | 0x0640 | 0x0003.
    EXPECT_EQ(image.colour, (std::vector<std::uint8_t>{0x00, 0xF8, 0x43, 0x0E, 0, 0, 0, 0}));
}

SrfImage patterned(int width, int height, int seed) {
    SrfImage image;
    image.width = width;
    image.height = height;
    for (int i = 0; i < width * height; ++i) {
        image.transparency.push_back(static_cast<std::uint8_t>((i * 37 + seed) % 129));
        const std::uint16_t word = srfColourWord(static_cast<std::uint8_t>(i * 11 + seed),
                                                 static_cast<std::uint8_t>(i * 23),
                                                 static_cast<std::uint8_t>(i * 5 + 3 * seed));
        image.colour.push_back(static_cast<std::uint8_t>(word));
        image.colour.push_back(static_cast<std::uint8_t>(word >> 8));
    }
    return image;
}

srftest::Image asWriterImage(const SrfImage& image) {
    srftest::Image w;
    w.width = static_cast<std::int16_t>(image.width);
    w.height = static_cast<std::int16_t>(image.height);
    w.alpha = image.transparency;
    w.colour = image.colour;
    return w;
}

TEST(EncodeSrf, LaysOutTheRecordsByteForByteLikeTheNavigatorsFiles) {
    SrfFile file;
    file.productCode = "006-D0578-XX";
    file.image3d = patterned(6, 3, 1);
    file.image2d = patterned(2, 2, 7);
    const std::vector<std::uint8_t> bytes = encodeSrf(file);

    // The test writer builds the same layout independently, field by field.
    srftest::File expected;
    expected.setType("GARMIN BITMAP 01");
    expected.image3d = asWriterImage(file.image3d);
    expected.image2d = asWriterImage(file.image2d);
    const std::vector<std::uint8_t> records = srftest::bytes(expected);
    ASSERT_EQ(records.size(), 217u);
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 217), records);

    // The first image record starts right after the 55 bytes of header records.
    const std::vector<std::uint8_t> record(bytes.begin() + 71, bytes.begin() + 95);
    EXPECT_EQ(record, (std::vector<std::uint8_t>{0, 0, 0, 0, 16, 0, 0,  0, 0, 0, 0, 0, //
                                                 3, 0, 6, 0, 16, 8, 12, 0, 0, 0, 0, 0}));
}

// The trailer fills the last 256-byte block with 0xFF and ends in the checksum, so that the bytes
// of the whole file add up to 0 modulo 256. The sizes put the end of the records just before, on
// and just after a block boundary.
TEST(EncodeSrf, FillsTheLastBlockAndEndsInTheChecksum) {
    struct Case {
        int width3d, height3d, width2d, height2d;
        std::size_t recordsEnd; // 151 bytes of headers and block prefixes, 3 bytes a pixel
        std::size_t fileSize;
    };
    const Case cases[] = {
        {6, 3, 2, 2, 217, 256},
        {10, 10, 5, 4, 511, 512}, // only the checksum fits
        {5, 5, 5, 2, 256, 512},   // on the boundary: a whole block, the checksum needs a byte
        {14, 14, 5, 2, 769, 1024},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.recordsEnd);
        SrfFile file;
        file.productCode = "006-D0578-XX";
        file.image3d = patterned(c.width3d, c.height3d, 3);
        file.image2d = patterned(c.width2d, c.height2d, 5);
        const std::vector<std::uint8_t> bytes = encodeSrf(file);
        ASSERT_EQ(bytes.size(), c.fileSize);
        srftest::File expected;
        expected.setType("GARMIN BITMAP 01");
        expected.image3d = asWriterImage(file.image3d);
        expected.image2d = asWriterImage(file.image2d);
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + c.recordsEnd),
                  srftest::bytes(expected));
        EXPECT_TRUE(std::all_of(bytes.begin() + c.recordsEnd, bytes.end() - 1,
                                [](std::uint8_t b) { return b == 0xFF; }));
        unsigned sum = 0;
        for (std::uint8_t b : bytes)
            sum += b;
        EXPECT_EQ(sum % 256, 0u);
    }
}

TEST(EncodeSrf, RejectsWhatTheLayoutCannotHold) {
    struct Case {
        const char* what;
        void (*spoil)(SrfFile&);
    };
    const Case cases[] = {
        {"short type", [](SrfFile& f) { f.type = "GARMIN BITMAP"; }},
        {"long version", [](SrfFile& f) { f.version = "2.400"; }},
        {"short product code", [](SrfFile& f) { f.productCode = "006"; }},
        {"zero width", [](SrfFile& f) { f.image2d = patterned(0, 2, 0); }},
        {"height beyond int16", [](SrfFile& f) { f.image3d.height = 32768; }},
        {"transparency block short", [](SrfFile& f) { f.image3d.transparency.pop_back(); }},
        {"colour block long", [](SrfFile& f) { f.image2d.colour.push_back(0); }},
    };
    for (const Case& c : cases) {
        SrfFile file;
        file.productCode = "MOTORHALL-01";
        file.image3d = patterned(4, 2, 0);
        file.image2d = patterned(2, 2, 0);
        c.spoil(file);
        EXPECT_THROW(encodeSrf(file), std::invalid_argument) << c.what;
    }
}

TEST(EncodeSrf, ReadsBackThroughTheProgramsLoaderWithEveryPixelAsConverted) {
    // RGBA pixels of a 4 x 2 strip and a 2 x 2 image: opaque, partly and fully transparent.
    const std::uint8_t strip[] = {
        255, 255, 255, 255, 17, 130, 250, 200, 99, 1,  2,  0,   0, 0, 0, 128, //
        12,  34,  56,  1,   0,  0,   0,   255, 80, 80, 80, 254, 1, 2, 3, 77,
    };
    const std::uint8_t flat[] = {9, 8, 7, 255, 200, 0, 0, 30, 0, 0, 0, 0, 0, 250, 0, 255};
    SrfFile file;
    file.productCode = "MOTORHALL-01";
    file.image3d = srfImageFromRgba(strip, 4, 2, 16);
    file.image2d = srfImageFromRgba(flat, 2, 2, 8);
    const std::vector<std::uint8_t> bytes = encodeSrf(file);

    cAlphaSurface surface;
    ASSERT_EQ(surface.CreateFromGarminSRFBytes(bytes), 1);
    EXPECT_EQ(surface.SRFType(), "GARMIN BITMAP 01");
    ASSERT_EQ(surface.Width(), 4);
    ASSERT_EQ(surface.Height(), 4);
    // What each pixel decodes to, B, G, R, A, lines from the top: colours cut to five bits,
    // fully transparent pixels black, the columns right of the 2D image opaque in the colour
    // of its line's last pixel.
    const std::uint8_t expected[4][4][4] = {
        {{248, 248, 248, 255}, {248, 128, 16, 200}, {0, 0, 0, 0}, {0, 0, 0, 128}},
        {{56, 32, 8, 2}, {0, 0, 0, 255}, {80, 80, 80, 254}, {0, 0, 0, 78}},
        {{0, 8, 8, 255}, {0, 0, 200, 30}, {0, 0, 200, 255}, {0, 0, 200, 255}},
        {{0, 0, 0, 0}, {0, 248, 0, 255}, {0, 248, 0, 255}, {0, 248, 0, 255}},
    };
    for (int line = 0; line < 4; ++line) {
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t* p =
                surface.DIBSectionBitsPtr() + (3 - line) * surface.BytesPerScanLine() + 4 * x;
            const std::uint8_t* e = expected[line][x];
            EXPECT_EQ((std::array<int, 4>{p[0], p[1], p[2], p[3]}),
                      (std::array<int, 4>{e[0], e[1], e[2], e[3]}))
                << x << ',' << line;
        }
    }
}

} // namespace
