#include "format/srf_pixel.h"
#include "format/srf_pixel_run.h"
#include "tests/support/srf_expected_pixel.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

using srf::Rgb;

struct ColourCase {
    std::uint16_t word;
    Rgb expected;
};

TEST(SrfPixel, ColourWordsWidenEachFiveBitChannel) {
    const ColourCase cases[] = {
        {0xFFFF, {248, 248, 248}}, {0xF800, {248, 0, 0}},     {0x07C0, {0, 248, 0}},
        {0x001F, {0, 0, 248}},     {0x0020, {0, 0, 0}},       {0x0000, {0, 0, 0}},
        {0x0840, {8, 8, 0}},       {0x0001, {0, 0, 8}},       {0x0100, {0, 32, 0}},
        {0x00C0, {0, 24, 0}},      {0x7BCF, {120, 120, 120}},
    };
    for (const ColourCase& c : cases) {
        const Rgb rgb = srf::SRFPixelToRGB(static_cast<std::uint8_t>(c.word),
                                           static_cast<std::uint8_t>(c.word >> 8));
        EXPECT_EQ(rgb, c.expected) << std::hex << "word 0x" << c.word;
    }
}

TEST(SrfPixel, TransparencyBecomesOpacityUpTo128) {
    const std::pair<int, int> cases[] = {{0, 255},  {1, 254}, {2, 252},
                                         {64, 128}, {127, 2}, {128, 0}};
    for (const auto& [t, alpha] : cases) {
        const auto opacity = srf::SRFAlphaToOpacity(static_cast<std::uint8_t>(t));
        ASSERT_TRUE(opacity.has_value()) << "t " << t;
        EXPECT_EQ(*opacity, alpha) << "t " << t;
    }
    for (int t : {129, 200, 255})
        EXPECT_FALSE(srf::SRFAlphaToOpacity(static_cast<std::uint8_t>(t)).has_value()) << t;
}

// The run decoder is the fast form of the two conversions; it must decode every colour word
// and every valid transparency as the bit layout says.
TEST(SrfPixelRun, DecodesEveryColourWordAndTransparency) {
    constexpr std::size_t count = 65536;
    std::vector<std::uint8_t> colour(2 * count), transparency(count), out(4 * count);
    for (std::size_t i = 0; i < count; ++i) {
        colour[2 * i] = static_cast<std::uint8_t>(i);
        colour[2 * i + 1] = static_cast<std::uint8_t>(i >> 8);
        transparency[i] = static_cast<std::uint8_t>(i % 129);
    }
    ASSERT_EQ(srf::decodePixelRun(colour.data(), transparency.data(), count, out.data()), count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto [blue, green, red] = srftest::expectedBgr(static_cast<std::uint16_t>(i));
        const std::array<int, 4> expected = {blue, green, red,
                                             *srftest::expectedOpacity(transparency[i])};
        const std::array<int, 4> got = {out[4 * i], out[4 * i + 1], out[4 * i + 2], out[4 * i + 3]};
        ASSERT_EQ(got, expected) << "pixel " << i;
    }
}

TEST(SrfPixelRun, StopsAtTheFirstBadTransparencyWithoutWritingIt) {
    struct Case {
        std::vector<std::uint8_t> transparency;
        std::size_t decoded;
    };
    const Case cases[] = {
        {{0, 0, 0, 0}, 4},   {{129, 0, 0, 0}, 0},       {{0, 0, 200, 0}, 2},
        {{0, 0, 0, 255}, 3}, {{128, 128, 129, 129}, 2}, {{}, 0},
    };
    for (const Case& c : cases) {
        const std::size_t n = c.transparency.size();
        const std::vector<std::uint8_t> colour(2 * n, 0xFF);
        std::vector<std::uint8_t> out(4 * n + 4, 0xAB);
        EXPECT_EQ(srf::decodePixelRun(colour.data(), c.transparency.data(), n, out.data()),
                  c.decoded);
        for (std::size_t i = 4 * c.decoded; i < out.size(); ++i)
            ASSERT_EQ(out[i], 0xAB) << "byte " << i << " written past the stop";
        for (std::size_t i = 0; i < c.decoded; ++i)
            EXPECT_EQ(out[4 * i + 2], 248) << "pixel " << i << " not written";
    }
}

} // namespace

// Runs of every length up to a few vector groups, the bad byte at every position: the decoder
// must write exactly the pixels before it, whatever groups of lanes it works in.
TEST(SrfPixelRun, StopsAtABadTransparencyAnywhereInALongRun) {
    for (std::size_t n = 1; n <= 140; ++n) {
        std::vector<std::uint8_t> colour(2 * n), transparency(n);
        for (std::size_t i = 0; i < n; ++i) {
            colour[2 * i] = static_cast<std::uint8_t>(31 * i + n);
            colour[2 * i + 1] = static_cast<std::uint8_t>(7 * i);
            transparency[i] = static_cast<std::uint8_t>((i * 13 + n) % 129);
        }
        for (std::size_t bad = 0; bad <= n; ++bad) {
            std::vector<std::uint8_t> t = transparency;
            if (bad < n)
                t[bad] = static_cast<std::uint8_t>(129 + (bad * 5) % 127);
            std::vector<std::uint8_t> out(4 * n + 4, 0xAB);
            ASSERT_EQ(srf::decodePixelRun(colour.data(), t.data(), n, out.data()), bad)
                << n << " pixels, bad at " << bad;
            for (std::size_t i = 0; i < bad; ++i) {
                const auto [blue, green, red] = srftest::expectedBgr(
                    static_cast<std::uint16_t>(colour[2 * i] | colour[2 * i + 1] << 8));
                const std::array<int, 4> expected = {blue, green, red,
                                                     *srftest::expectedOpacity(t[i])};
                const std::array<int, 4> got = {out[4 * i], out[4 * i + 1], out[4 * i + 2],
                                                out[4 * i + 3]};
                ASSERT_EQ(got, expected) << n << " pixels, bad at " << bad << ", pixel " << i;
            }
            for (std::size_t i = 4 * bad; i < out.size(); ++i)
                ASSERT_EQ(out[i], 0xAB)
                    << n << " pixels, bad at " << bad << ": byte " << i << " written past the stop";
        }
    }
}
