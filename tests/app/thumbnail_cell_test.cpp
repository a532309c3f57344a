#include "app/thumbnail_cell.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(HalfRoundedToEven, TakesHalvesToTheEvenNeighbour) {
    const struct {
        std::int32_t n;
        std::int32_t half;
    } cases[] = {{39, 20},
                 {37, 18},
                 {40, 20},
                 {1, 0},
                 {3, 2},
                 {0, 0},
                 {-1, 0},
                 {-3, -2},
                 {-5, -2},
                 {-4, -2},
                 {INT32_MIN, INT32_MIN / 2},
                 {INT32_MAX, INT32_MAX / 2 + 1}};
    for (const auto& c : cases)
        EXPECT_EQ(halfRoundedToEven(c.n), c.half) << c.n;
}

struct BlockCase {
    const char* name;
    std::int32_t cellLeft;
    std::int32_t width;
    std::int32_t height;
    ThumbnailBlock expected;
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.name;
}

class ThumbnailBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(ThumbnailBlockTest, CentresTheFrameInItsCell) {
    const BlockCase& c = GetParam();
    const ThumbnailBlock b = thumbnailBlock(c.cellLeft, c.width, c.height);
    const ThumbnailBlock& e = c.expected;
    EXPECT_EQ(b.x, e.x);
    EXPECT_EQ(b.y, e.y);
    EXPECT_EQ(b.width, e.width);
    EXPECT_EQ(b.height, e.height);
    EXPECT_EQ(b.sourceX, e.sourceX);
    EXPECT_EQ(b.sourceY, e.sourceY);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ThumbnailBlockTest,
    ::testing::Values(
        // 19.5 becomes 20, 18.5 becomes 18.
        BlockCase{"Width61", 300, 61, 61, {320, 20, 61, 61, 0, 0}},
        BlockCase{"Width63", 300, 63, 63, {318, 18, 63, 63, 0, 0}},
        BlockCase{"Width80", 0, 80, 80, {10, 10, 80, 80, 0, 0}},
        BlockCase{"FillsTheCell", 19900, 100, 100, {19900, 0, 100, 100, 0, 0}},
        // Larger than the cell: its middle shows, the neighbours' cells stay untouched.
        BlockCase{"Width101", 100, 101, 101, {100, 0, 100, 100, 0, 0}},
        BlockCase{"Width120", 100, 120, 120, {100, 0, 100, 100, 10, 10}},
        BlockCase{"Width32767", 0, 32767, 32767, {0, 0, 100, 100, 16334, 16334}},
        BlockCase{"NoPixels", 100, 0, 0, {}}, BlockCase{"Negative", 100, -40, -40, {}},
        BlockCase{"Hostile", 100, INT32_MIN, INT32_MAX, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
