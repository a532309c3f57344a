#include "format/srf_reader.h"
#include "tests/support/srf_writer.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using srf::SrfReadError;
using Bytes = std::vector<std::uint8_t>;

Bytes asBytes(std::span<const std::uint8_t> block) {
    return Bytes(block.begin(), block.end());
}

// A small file whose every block byte is distinct, so a block read from the wrong offset shows.
srftest::File patternedFile() {
    srftest::File f;
    f.setType("GARMIN BITMAP 01");
    f.image3d = srftest::solid(6, 2, 0, 0);
    f.image2d = srftest::solid(3, 3, 0, 0);
    int n = 0;
    for (srftest::Image* image : {&f.image3d, &f.image2d})
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x, ++n)
                image->set(x, y, static_cast<std::uint16_t>(0x1000 + 37 * n),
                           static_cast<std::uint8_t>(n % 129));
    return f;
}

void expectSameImage(const srf::SrfImage& got, const srftest::Image& want) {
    EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.longHeader, want.longHeader);
    EXPECT_EQ(asBytes(got.transparency), want.alpha);
    EXPECT_EQ(asBytes(got.colour), want.colour);
}

TEST(SrfReader, ReadsTheTypeStringSizesAndBlocksInFileOrder) {
    const srftest::File file = patternedFile();
    const Bytes data = srftest::bytes(file);
    const srf::SrfReadResult read = srf::readSrfBytes(data);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(Bytes(read.file.type.begin(), read.file.type.end()),
              Bytes(file.type.begin(), file.type.end()));
    expectSameImage(read.file.image3d, file.image3d);
    expectSameImage(read.file.image2d, file.image2d);
}

TEST(SrfReader, ReadsTheLongImageHeaderVariantInEitherImage) {
    for (const auto& [long3d, long2d] : {std::pair{true, false}, {false, true}, {true, true}}) {
        srftest::File file = patternedFile();
        file.image3d.longHeader = long3d;
        file.image2d.longHeader = long2d;
        const Bytes data = srftest::bytes(file);
        const srf::SrfReadResult read = srf::readSrfBytes(data);
        ASSERT_TRUE(read.ok()) << long3d << long2d;
        expectSameImage(read.file.image3d, file.image3d);
        expectSameImage(read.file.image2d, file.image2d);
    }
}

// Only the exact pair 13, 20 announces the long header; anything else keeps the fixed 24 bytes
// whatever the skipped fields hold.
TEST(SrfReader, PassesOverEveryOtherSkippedFieldWithoutLookingAtIt) {
    const std::vector<std::pair<std::string, std::function<void(srftest::File&)>>> cases = {
        {"first pair 13, 16",
         [](srftest::File& f) {
             Bytes h = srftest::imageHeader(f.image3d);
             h[0] = 13;
             f.image3d.headerBytes = h;
         }},
        {"first pair 0, 20",
         [](srftest::File& f) {
             Bytes h = srftest::imageHeader(f.image3d);
             h[4] = 20;
             f.image3d.headerBytes = h;
         }},
        {"13, 20 as big-endian",
         [](srftest::File& f) {
             Bytes h = srftest::imageHeader(f.image2d);
             h[0] = 0, h[3] = 13, h[4] = 0, h[7] = 20;
             f.image2d.headerBytes = h;
         }},
        {"skipped header bytes all 0xFF",
         [](srftest::File& f) {
             for (srftest::Image* image : {&f.image3d, &f.image2d}) {
                 Bytes h(24, 0xFF);
                 h[12] = static_cast<std::uint8_t>(image->height);
                 h[13] = 0;
                 h[14] = static_cast<std::uint8_t>(image->width);
                 h[15] = 0;
                 image->headerBytes = h;
             }
         }},
        {"block tags",
         [](srftest::File& f) {
             f.image3d.transparencyTag = 0xFFFFFFFF;
             f.image3d.colourTag = 0x80000000;
             f.image2d.transparencyTag = 0;
             f.image2d.colourTag = 12345;
         }},
        {"file header", [](srftest::File& f) { f.headerBytes = Bytes(55, 0xEE); }},
        {"type string", [](srftest::File& f) { f.type.fill(0xFF); }},
    };
    for (const auto& [name, change] : cases) {
        srftest::File file = patternedFile();
        change(file);
        const Bytes data = srftest::bytes(file);
        const srf::SrfReadResult read = srf::readSrfBytes(data);
        ASSERT_TRUE(read.ok()) << name;
        EXPECT_FALSE(read.file.image3d.longHeader) << name;
        EXPECT_FALSE(read.file.image2d.longHeader) << name;
        EXPECT_EQ(asBytes(read.file.image3d.colour), file.image3d.colour) << name;
        EXPECT_EQ(asBytes(read.file.image2d.transparency), file.image2d.alpha) << name;
        EXPECT_EQ(read.file.image2d.height, file.image2d.height) << name;
    }
}

TEST(SrfReader, BlockLengthsAreNotComparedWithTheImageSize) {
    srftest::File file = patternedFile();
    file.image3d.alpha.resize(3);          // far too short
    file.image2d.colour.resize(100, 0x55); // longer than needed
    file.trailing = Bytes(17, 0x99);       // after the second record
    const Bytes data = srftest::bytes(file);
    const srf::SrfReadResult read = srf::readSrfBytes(data);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.file.image3d.transparency.size(), 3u);
    EXPECT_EQ(asBytes(read.file.image2d.colour), file.image2d.colour);
}

TEST(SrfReader, ZeroSizesAreReadNegativeSizesAreNot) {
    struct Case {
        std::int16_t height3d, width3d, height2d, width2d;
        SrfReadError error;
    };
    const Case cases[] = {
        {0, 0, 0, 0, SrfReadError::None},
        {2, 6, 0, 5, SrfReadError::None},
        {-1, 6, 3, 3, SrfReadError::NegativeSize},
        {2, -6, 3, 3, SrfReadError::NegativeSize},
        {2, 6, -32768, 3, SrfReadError::NegativeSize},
        {2, 6, 3, -1, SrfReadError::NegativeSize},
    };
    for (const Case& c : cases) {
        srftest::File file = patternedFile();
        file.image3d.height = c.height3d;
        file.image3d.width = c.width3d;
        file.image2d.height = c.height2d;
        file.image2d.width = c.width2d;
        const Bytes data = srftest::bytes(file);
        EXPECT_EQ(srf::readSrfBytes(data).error, c.error)
            << c.height3d << " " << c.width3d << " " << c.height2d << " " << c.width2d;
    }
}

TEST(SrfReader, RejectsEmptyAndOverlongBlocksInEitherImage) {
    struct Case {
        bool in3d;
        bool colour;
        std::int32_t declared;
        SrfReadError error;
    };
    const Case cases[] = {
        {true, false, 0, SrfReadError::EmptyBlock},
        {true, true, 0, SrfReadError::EmptyBlock},
        {false, false, 0, SrfReadError::EmptyBlock},
        {false, true, -1, SrfReadError::EmptyBlock},
        {true, false, INT32_MIN, SrfReadError::EmptyBlock},
        // Longer than the rest of the file: refused before anything is allocated.
        {true, false, INT32_MAX, SrfReadError::BlockBeyondFile},
        {true, true, 1 << 30, SrfReadError::BlockBeyondFile},
        {false, false, 100000, SrfReadError::BlockBeyondFile},
        // The last block of the file, one byte longer than what is left.
        {false, true, 19, SrfReadError::BlockBeyondFile},
    };
    for (const Case& c : cases) {
        srftest::File file = patternedFile();
        srftest::Image& image = c.in3d ? file.image3d : file.image2d;
        (c.colour ? image.declaredColourLength : image.declaredAlphaLength) = c.declared;
        const Bytes data = srftest::bytes(file);
        EXPECT_EQ(srf::readSrfBytes(data).error, c.error)
            << (c.in3d ? "3D " : "2D ") << (c.colour ? "colour " : "transparency ") << c.declared;
    }
}

// Every cut of a file before the end of its second record fails; the complete record reads.
TEST(SrfReader, EveryTruncationFails) {
    const Bytes data = srftest::bytes(patternedFile());
    for (std::size_t length = 0; length < data.size(); ++length) {
        const srf::SrfReadResult read =
            srf::readSrfBytes(std::span<const std::uint8_t>(data.data(), length));
        ASSERT_FALSE(read.ok()) << "cut at " << length;
        ASSERT_TRUE(read.error == SrfReadError::Truncated ||
                    read.error == SrfReadError::BlockBeyondFile)
            << "cut at " << length;
    }
    EXPECT_TRUE(srf::readSrfBytes(data).ok());
}

} // namespace
