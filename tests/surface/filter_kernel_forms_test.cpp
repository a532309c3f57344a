// The filters' vector loops against their scalar twins on pseudo-random rows of every length up
// to a few vector widths: each form the processor can run must give every byte the scalar form
// gives, and write nothing beyond its row.
#include "surface/resample_columns.h"
#include "surface/resample_pixels.h"
#include "surface/unit_blur.h"
#include "tests/support/recorded_results.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using pixelfilters::BlurResult;
using pixelfilters::UnitBlurRow;
using testsupport::RandomBytes;

// A row of the unit blur with its inputs drawn at random, and room around every buffer.
struct UnitBlurCase {
    static constexpr int margin = 8;
    std::vector<std::uint8_t> centre, leaving, entering, target;
    std::vector<std::uint16_t> columnSums, nextSums;
    int count;

    UnitBlurCase(int count, RandomBytes& random)
        : centre(count + 2 * margin)
        , leaving(count + 2 * margin)
        , entering(count + 2 * margin)
        , target(count + 2 * margin, 0xAB)
        , columnSums(count + 2 * margin)
        , nextSums(count + 2 * margin, 0xABCD)
        , count(count) {
        for (auto* bytes : {&centre, &leaving, &entering})
            for (std::uint8_t& b : *bytes)
                b = random.byte();
        // Sums of three rows, up to 3 x 255; the ends of the range come up often.
        for (std::uint16_t& sum : columnSums)
            sum = static_cast<std::uint16_t>(random.below(4) == 0 ? 765 * random.below(2)
                                                                  : random.below(766));
    }
    UnitBlurRow row(BlurResult result) {
        return {centre.data() + margin,
                columnSums.data() + margin,
                leaving.data() + margin,
                entering.data() + margin,
                nextSums.data() + margin,
                count,
                result,
                target.data() + margin};
    }
};

std::vector<std::pair<std::string, std::function<void(const UnitBlurRow&)>>> unitBlurForms() {
    std::vector<std::pair<std::string, std::function<void(const UnitBlurRow&)>>> forms;
#if defined(__SSE2__)
    forms.emplace_back("SSE2", pixelfilters::unitBlurSse2);
#endif
#if defined(__x86_64__)
    if (pixelfilters::processorHasAvx2())
        forms.emplace_back("AVX2", pixelfilters::unitBlurAvx2);
    if (pixelfilters::processorHasAvx512())
        forms.emplace_back("AVX-512", pixelfilters::unitBlurAvx512);
#endif
    return forms;
}

TEST(FilterKernelForms, EveryUnitBlurFormGivesWhatTheScalarFormGives) {
    const auto forms = unitBlurForms();
    ASSERT_FALSE(forms.empty());
    RandomBytes random(21);
    for (int count = 0; count <= 200; ++count)
        for (const BlurResult result : {BlurResult::Blurred, BlurResult::Sharpened}) {
            const UnitBlurCase inputs(count, random);
            UnitBlurCase scalar = inputs;
            pixelfilters::unitBlurScalar(scalar.row(result));
            for (const auto& [name, form] : forms) {
                UnitBlurCase vector = inputs;
                form(vector.row(result));
                ASSERT_EQ(vector.target, scalar.target) << name << ", " << count << " bytes";
                ASSERT_EQ(vector.nextSums, scalar.nextSums) << name << ", " << count << " bytes";
            }
        }
}

// The scalar form itself, on values worked out by hand: (sum of the 8 neighbours + 8 x centre)
// / 16 rounded half to even, and 2 x centre - that, clamped.
TEST(FilterKernelForms, TheScalarUnitBlurRoundsHalvesToEven) {
    struct Case {
        int sumsLeft, sumsCentre, sumsRight, centre;
        int blurred, sharpened;
    };
    // sums + 7 x centre are the sixteenths: 24 + 0 -> 1.5 -> 2; 40 -> 2.5 -> 2; 41 -> 3;
    // 16 x 255 -> 255 and 2 x 255 - 255; a dark centre in a bright area sharpens to 0.
    const Case cases[] = {{8, 8, 8, 0, 2, 0},         {10, 20, 10, 0, 2, 0},
                          {10, 20, 4, 1, 3, 0},       {765, 765, 765, 255, 255, 255},
                          {765, 510, 765, 0, 128, 0}, {0, 100, 0, 100, 50, 150}};
    for (const Case& c : cases) {
        for (const BlurResult result : {BlurResult::Blurred, BlurResult::Sharpened}) {
            const std::uint16_t sums[3] = {static_cast<std::uint16_t>(c.sumsLeft),
                                           static_cast<std::uint16_t>(c.sumsCentre),
                                           static_cast<std::uint16_t>(c.sumsRight)};
            // One byte whose pixel neighbours are 4 bytes away: sums at -4, 0 and +4.
            std::uint16_t columnSums[9] = {};
            columnSums[0] = sums[0];
            columnSums[4] = sums[1];
            columnSums[8] = sums[2];
            const std::uint8_t centre = static_cast<std::uint8_t>(c.centre), none = 0;
            std::uint16_t next = 0;
            std::uint8_t target = 0;
            pixelfilters::unitBlurScalar(
                {&centre, columnSums + 4, &none, &none, &next, 1, result, &target});
            EXPECT_EQ(target, result == BlurResult::Blurred ? c.blurred : c.sharpened)
                << c.sumsLeft << " " << c.sumsCentre << " " << c.sumsRight << " " << c.centre;
            EXPECT_EQ(next, c.sumsCentre);
        }
    }
}

// Column weights as the resample makes them: whole steps, halves and arbitrary
// single-precision fractions, each column on a random source pixel with one after it.
std::vector<pixelfilters::ColumnWeights> randomColumns(int width, int sourceWidth,
                                                       RandomBytes& random) {
    std::vector<pixelfilters::ColumnWeights> columns(static_cast<std::size_t>(width));
    for (pixelfilters::ColumnWeights& column : columns) {
        const int kind = random.below(4);
        const float fraction = kind == 0   ? 0.0f
                               : kind == 1 ? 1.0f
                               : kind == 2 ? 0.5f
                                           : static_cast<float>(random.next() >> 40) * 0x1p-24f;
        for (int c = 0; c < 4; ++c) {
            column.low[c] = 1.0f - fraction;
            column.high[c] = fraction;
        }
        column.index = random.below(sourceWidth - 1);
    }
    return columns;
}

TEST(FilterKernelForms, EveryOnePassResampleFormGivesWhatTheScalarFormGives) {
    using Form = void (*)(const pixelfilters::RowPair&, const pixelfilters::ColumnWeights*, int,
                          std::uint8_t*);
    std::vector<std::pair<std::string, Form>> forms;
#if defined(__SSE2__)
    forms.emplace_back("SSE2", pixelfilters::interpolatePixelsSse2);
#endif
#if defined(__x86_64__)
    if (pixelfilters::processorHasAvx2())
        forms.emplace_back("AVX2", pixelfilters::interpolatePixelsAvx2);
#endif
    ASSERT_FALSE(forms.empty());
    RandomBytes random(23);
    for (int width = 0; width <= 40; ++width) {
        const int sourceWidth = 2 + random.below(60);
        std::vector<std::uint8_t> low(4 * static_cast<std::size_t>(sourceWidth)), high = low;
        for (auto* row : {&low, &high})
            for (std::uint8_t& b : *row)
                b = random.byte();
        const float fractions[] = {0.0f, 1.0f, 0.5f,
                                   static_cast<float>(random.next() >> 40) * 0x1p-24f};
        const auto columns = randomColumns(width, sourceWidth, random);
        const pixelfilters::RowPair rows = {low.data(), high.data(), fractions[width % 4]};
        std::vector<std::uint8_t> scalar(4 * static_cast<std::size_t>(width) + 8, 0xAB);
        pixelfilters::interpolatePixelsScalar(rows, columns.data(), width, scalar.data());
        for (const auto& [name, form] : forms) {
            std::vector<std::uint8_t> vector(scalar.size(), 0xAB);
            form(rows, columns.data(), width, vector.data());
            ASSERT_EQ(vector, scalar) << name << ", " << width << " pixels";
        }
    }
}

#if defined(__SSE2__)
TEST(FilterKernelForms, TheSse2ResampleColumnsGiveWhatTheScalarFormGives) {
    RandomBytes random(22);
    for (int width = 0; width <= 40; ++width) {
        const int sourceWidth = 2 + random.below(60);
        std::vector<float> vertical(4 * static_cast<std::size_t>(sourceWidth));
        for (float& value : vertical)
            value = static_cast<float>(random.byte());
        const auto columns = randomColumns(width, sourceWidth, random);
        std::vector<std::uint8_t> scalar(4 * static_cast<std::size_t>(width) + 8, 0xAB);
        std::vector<std::uint8_t> vector = scalar;
        pixelfilters::interpolateColumnsScalar(vertical.data(), columns.data(), width,
                                               scalar.data());
        pixelfilters::interpolateColumnsSse2(vertical.data(), columns.data(), width, vector.data());
        ASSERT_EQ(vector, scalar) << width << " pixels";
    }
}
#endif

} // namespace
