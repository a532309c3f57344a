// Resample, Blur, UnsharpMask and RandomiseBits on small images whose results are worked out by
// hand. Coordinates here are memory rows (row 0 is the bottom line), as the filters see them.
#include "surface/alpha_surface.h"
#include "tests/surface/surface_probe.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using surfacetest::Bgra;
using surfacetest::pixelHash;

namespace {

Bgra memoryPixel(const cAlphaSurface& surface, int x, int row) {
    const std::uint8_t* p = surface.DIBSectionBitsPtr() +
                            static_cast<std::ptrdiff_t>(row) * surface.BytesPerScanLine() + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

void setMemoryPixel(cAlphaSurface& surface, int x, int row, Bgra value) {
    std::uint8_t* p = surface.DIBSectionBitsPtr() +
                      static_cast<std::ptrdiff_t>(row) * surface.BytesPerScanLine() + 4 * x;
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value[i]);
}

// rows[r][x] is memory row r.
void fill(cAlphaSurface& surface, const std::vector<std::vector<Bgra>>& rows) {
    ASSERT_TRUE(surface.Create(static_cast<int>(rows[0].size()), static_cast<int>(rows.size())));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t x = 0; x < rows[r].size(); ++x)
            setMemoryPixel(surface, static_cast<int>(x), static_cast<int>(r), rows[r][x]);
}

struct Expected {
    int x;
    int row;
    Bgra pixel;
};

// Blue 0 100 / 200 40, green 0 1 / 3 0, red 7, alpha 255 155 / 55 215 (bottom row first).
void fillTwoByTwo(cAlphaSurface& surface) {
    fill(surface, {{{0, 0, 7, 255}, {100, 1, 7, 155}}, {{200, 3, 7, 55}, {40, 0, 7, 215}}});
}

TEST(SurfaceResample, TwoByTwoToFourByFourInterpolatesVerticallyFirstRoundingEachStep) {
    cAlphaSurface source;
    fillTwoByTwo(source);
    const std::uint64_t before = pixelHash(source);
    const auto result = source.Resample(4, 4);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->Width(), 4);
    EXPECT_EQ(result->Height(), 4);
    // Scales 0.25: column 3 lies at dx 0.75 between source columns 0 and 1, column 1 at 0.25,
    // row 2 at dy 0.5. Green at (1, 2) is 2 only when the vertical step comes first and is
    // rounded (left 1.5 -> 2, right 0.5 -> 0); ties go to even (77.5 -> 78, 162.5 -> 162).
    const Expected cases[] = {
        {0, 0, {0, 0, 7, 255}},   {3, 0, {75, 1, 7, 180}}, {3, 2, {78, 0, 7, 178}},
        {1, 2, {92, 2, 7, 162}},  {3, 3, {79, 0, 7, 176}}, {2, 2, {85, 1, 7, 170}},
        {0, 3, {150, 2, 7, 105}},
    };
    for (const Expected& expected : cases)
        EXPECT_EQ(memoryPixel(*result, expected.x, expected.row), expected.pixel)
            << "at " << expected.x << ", row " << expected.row;
    EXPECT_EQ(pixelHash(source), before) << "the source changed";
}

TEST(SurfaceResample, ScalesByTheNewSizeNotOneLess) {
    // (3 - 1) / 2 = 1 across, (2 - 1) / 1 = 1 down: result column 1 reads source column 1.
    cAlphaSurface source;
    fill(source, {{{10, 0, 0, 0}, {20, 0, 0, 0}, {30, 0, 0, 0}},
                  {{40, 0, 0, 0}, {50, 0, 0, 0}, {60, 0, 0, 0}}});
    const auto result = source.Resample(1, 2);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(memoryPixel(*result, 0, 0), (Bgra{10, 0, 0, 0}));
    EXPECT_EQ(memoryPixel(*result, 1, 0), (Bgra{20, 0, 0, 0}));
}

TEST(SurfaceResample, ToTheSameSizeIsAnExactCopy) {
    cAlphaSurface source;
    fill(source, {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}},
                  {{13, 14, 15, 16}, {17, 18, 19, 20}, {250, 251, 252, 253}}});
    const auto result = source.Resample(2, 3);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(memoryPixel(*result, 0, 0), (Bgra{1, 2, 3, 4}));
    EXPECT_EQ(memoryPixel(*result, 2, 1), (Bgra{250, 251, 252, 253}));
    EXPECT_EQ(pixelHash(*result), pixelHash(source));

    cAlphaSurface single; // too small to interpolate, but a copy needs no neighbours
    fill(single, {{{9, 8, 7, 6}}});
    const auto copy = single.Resample(1, 1);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(memoryPixel(*copy, 0, 0), (Bgra{9, 8, 7, 6}));
}

TEST(SurfaceResample, ASourceWithoutTwoPixelsEachWayIsRaisedForAnotherSize) {
    struct Case {
        int width;
        int height;
    };
    for (const Case& source : {Case{1, 5}, Case{5, 1}, Case{1, 1}}) {
        cAlphaSurface surface;
        ASSERT_TRUE(surface.Create(source.width, source.height));
        EXPECT_THROW(surface.Resample(4, 4), SurfaceSubscriptError)
            << source.width << " x " << source.height;
    }
    cAlphaSurface released;
    ASSERT_TRUE(released.Create(4, 4));
    released.ClearUp(); // still 4 x 4 by its size, but without pixels to read
    EXPECT_THROW(released.Resample(2, 2), SurfaceSubscriptError);
}

TEST(SurfaceFilters, AResultThatCannotBeCreatedGivesNoSurfaceAndNoError) {
    cAlphaSurface tiny;
    ASSERT_TRUE(tiny.Create(1, 1));
    EXPECT_EQ(tiny.Resample(0, 4), nullptr);
    EXPECT_EQ(tiny.Resample(4, -1), nullptr);
    const cAlphaSurface empty; // 0 x 0: no result can be made at its size
    EXPECT_EQ(empty.Blur(0, 1), nullptr);
    EXPECT_EQ(empty.UnsharpMask(), nullptr);
}

// Blue and alpha hold a pattern (alpha 255 - blue), green a uniform 200, red 0:
//   row 2: 10 20 30
//   row 1: 40 51 60
//   row 0: 70 80 90
void fillThreeByThree(cAlphaSurface& surface) {
    const int blue[3][3] = {{70, 80, 90}, {40, 51, 60}, {10, 20, 30}};
    std::vector<std::vector<Bgra>> rows(3);
    for (int r = 0; r < 3; ++r)
        for (int x = 0; x < 3; ++x)
            rows[r].push_back({blue[r][x], 200, 0, 255 - blue[r][x]});
    fill(surface, rows);
}

TEST(SurfaceBlur, SumsOnlyTheNeighboursInsideTheImageAndKeepsAUniformAreaAsItIs) {
    cAlphaSurface source;
    fillThreeByThree(source);
    const std::uint64_t before = pixelHash(source);
    struct Case {
        float centreDivisor;
        float neighbourDivisor;
        Expected expected;
    };
    // Corner (0, 0): neighbours 80 40 51, mean 57; (57 + 70) / 2 = 63.5 -> 64.
    // Edge (1, 0): neighbours 70 90 40 51 60, mean 62.2; (62.2 + 80) / 2 = 71.1 -> 71.
    // Inside (1, 1): mean 50; (50 + 51) / 2 = 50.5 -> 50. Alpha mirrors blue: 255 - 57 = 198
    // and 185 in the corner -> 191.5 -> 192; 192.8 and 175 -> 183.9 -> 184; 205 and 204 -> 204.5
    // -> 204. The uniform green stays 200 everywhere.
    const Case cases[] = {
        {1, 1, {0, 0, {64, 200, 0, 192}}},
        {1, 1, {1, 0, {71, 200, 0, 184}}},
        {1, 1, {1, 1, {50, 200, 0, 204}}},
        {1, 1, {2, 2, {37, 200, 0, 218}}}, // neighbours 20 51 60: mean 43.67, centre 30 -> 36.8
        // The neighbour divisor divides the mean, the centre divisor the pixel's own value:
        // corner (57 / 2 + 70) / 2 = 49.25 -> 49; green (100 + 200) / 2 = 150.
        {1, 2, {0, 0, {49, 150, 0, 142}}},
        {2, 1, {0, 0, {46, 150, 0, 145}}},
        {2, 1, {1, 1, {38, 150, 0, 154}}}, // (50 + 25.5) / 2; alpha (205 + 102) / 2 = 153.5
        // Clamped at both ends: (57 - 70) / 2 < 0 and (50 + 510) / 2 > 255.
        {-1, 1, {0, 0, {0, 0, 0, 6}}},
        {0.1f, 1, {1, 1, {255, 255, 0, 255}}},
    };
    for (const Case& c : cases) {
        const auto result = source.Blur(c.centreDivisor, c.neighbourDivisor);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(memoryPixel(*result, c.expected.x, c.expected.row), c.expected.pixel)
            << "a = " << c.centreDivisor << ", b = " << c.neighbourDivisor << " at " << c.expected.x
            << ", row " << c.expected.row;
    }
    EXPECT_EQ(pixelHash(source), before) << "the source changed";
}

TEST(SurfaceBlur, APixelWithoutNeighboursStandsForItsOwnSurroundings) {
    cAlphaSurface single;
    fill(single, {{{100, 40, 0, 255}}});
    const auto same = single.Blur(1, 1);
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(memoryPixel(*same, 0, 0), (Bgra{100, 40, 0, 255}));
    const auto halved = single.Blur(2, 1); // (100 + 50) / 2
    ASSERT_NE(halved, nullptr);
    EXPECT_EQ(memoryPixel(*halved, 0, 0), (Bgra{75, 30, 0, 191}));
}

TEST(SurfaceBlur, ALineOfOnePixelHeightHasOnlyLeftAndRightNeighbours) {
    cAlphaSurface line;
    fill(line, {{{10, 0, 0, 0}, {20, 0, 0, 0}, {60, 0, 0, 0}, {100, 0, 0, 0}}});
    const auto result = line.Blur(1, 1);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(memoryPixel(*result, 0, 0)[0], 15); // (20 + 10) / 2
    EXPECT_EQ(memoryPixel(*result, 1, 0)[0], 28); // (35 + 20) / 2 = 27.5 -> 28
    EXPECT_EQ(memoryPixel(*result, 2, 0)[0], 60); // (60 + 60) / 2
    EXPECT_EQ(memoryPixel(*result, 3, 0)[0], 80); // (60 + 100) / 2
}

TEST(SurfaceBlur, ADivisorOfZeroIsRaised) {
    cAlphaSurface source;
    fillThreeByThree(source);
    EXPECT_THROW(source.Blur(0, 1), SurfaceDivisionByZeroError);
    EXPECT_THROW(source.Blur(1, 0), SurfaceDivisionByZeroError);
    EXPECT_THROW(source.Blur(-0.0f, 1), SurfaceDivisionByZeroError);
}

TEST(SurfaceUnsharpMask, OvershootsOnBothSidesOfAnEdgeClampedAtBlackAndWhite) {
    // Three equal rows: blue 20 20 240 240 (a hard edge), green 100 100 140 140 (a soft one),
    // alpha 255.
    const std::vector<Bgra> row = {
        {20, 100, 0, 255}, {20, 100, 0, 255}, {240, 140, 0, 255}, {240, 140, 0, 255}};
    cAlphaSurface source;
    fill(source, {row, row, row});
    const std::uint64_t before = pixelHash(source);
    const auto result = source.UnsharpMask();
    ASSERT_NE(result, nullptr);
    // Row 1, column 1: blue blur (102.5 + 20) / 2 -> 61, 40 - 61 -> 0; green blur
    // (115 + 100) / 2 = 107.5 -> 108, 200 - 108 = 92. Column 2: blue blur (157.5 + 240) / 2 ->
    // 199, 480 - 199 -> 255; green blur (125 + 140) / 2 = 132.5 -> 132, 280 - 132 = 148.
    // Columns 0 and 3 see only their own side of the edge and stay as they are.
    const Expected cases[] = {
        {0, 1, {20, 100, 0, 255}},  {1, 1, {0, 92, 0, 255}},   {2, 1, {255, 148, 0, 255}},
        {3, 1, {240, 140, 0, 255}}, {0, 0, {20, 100, 0, 255}}, // a corner of a uniform area
    };
    for (const Expected& expected : cases)
        EXPECT_EQ(memoryPixel(*result, expected.x, expected.row), expected.pixel)
            << "at " << expected.x << ", row " << expected.row;
    EXPECT_EQ(pixelHash(source), before) << "the source changed";
}

TEST(SurfaceRandomiseBits, GivesPremultipliedRandomPixelsGreyOrInColour) {
    for (const bool grey : {true, false}) {
        cAlphaSurface surface;
        ASSERT_TRUE(surface.Create(32, 16));
        surface.RandomiseBits(grey);
        std::set<int> alphas;
        bool colourDiffers = false;
        for (int row = 0; row < 16; ++row) {
            for (int x = 0; x < 32; ++x) {
                const Bgra p = memoryPixel(surface, x, row);
                for (int c = 0; c < 3; ++c)
                    ASSERT_LE(p[c], p[3]) << "a colour above alpha at " << x << ", " << row;
                if (grey) {
                    ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << "not grey at " << x << ", " << row;
                }
                colourDiffers = colourDiffers || p[0] != p[1] || p[1] != p[2];
                alphas.insert(p[3]);
            }
        }
        // 512 uniform draws of alpha cannot all fall on a few values, nor 512 triples of
        // independent colours all be grey.
        EXPECT_GT(alphas.size(), 100u) << (grey ? "grey" : "colour");
        EXPECT_EQ(colourDiffers, !grey);
    }
}

} // namespace
