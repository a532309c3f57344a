#include "app/mod_main.h"
#include "surface/alpha_surface.h"

#include <gtest/gtest.h>

namespace {

// The pixel at (x, y) counted from the top, as blue, green, red, alpha in one number 0xAARRGGBB.
std::uint32_t pixel(const cAlphaSurface& surface, int x, int y) {
    const std::uint8_t* p = surface.DIBSectionBitsPtr() +
                            (surface.Height() - 1 - y) * surface.BytesPerScanLine() + x * 4;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

TEST(FillRectangle, PaintsTheRectangleWithoutItsRightColumnAndBottomRow) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(8, 6));
    // 0x00BBGGRR in, blue-green-red in memory.
    FillRectangle(surface.hDC(), 1, 1, 7, 5, 0x00336699);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 1 && x < 7 && y >= 1 && y < 5;
            EXPECT_EQ(pixel(surface, x, y), inside ? 0x00996633u : 0u) << x << ", " << y;
        }
    }
}

TEST(FillRectangle, ReleasesWhatItMakesAndKeepsTheContextsOwnPenAndBrush) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(4, 4));
    const std::size_t before = gdi::LiveObjectCount();
    FillRectangle(surface.hDC(), 0, 0, 2, 2, 0x00FFFFFF);
    EXPECT_EQ(gdi::LiveObjectCount(), before);
    // The context draws with its own black pen and white brush again.
    ASSERT_TRUE(gdi::Rectangle(surface.hDC(), 0, 0, 4, 4));
    EXPECT_EQ(pixel(surface, 0, 0), 0u);
    EXPECT_EQ(pixel(surface, 1, 1), 0x00FFFFFFu);
    // A context that is not valid: nothing drawn, nothing kept.
    FillRectangle(0, 0, 0, 2, 2, 0x00FFFFFF);
    EXPECT_EQ(gdi::LiveObjectCount(), before);
}

} // namespace
