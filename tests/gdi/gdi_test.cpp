#include "platform/gdi/dib_section_for_overwrite.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/system_colours.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

using namespace gdi;

namespace {

// A memory context with a fresh DIB selected, released at the end of the test.
struct Canvas {
    HDC dc = 0;
    HBITMAP bitmap = 0;
    HGDIOBJ previous = 0;
    std::uint8_t* bits = nullptr;
    int width = 0, height = 0, bpp = 32;

    Canvas(int w, int h, int bitsPerPixel = 32)
        : width(w)
        , height(h < 0 ? -h : h)
        , bpp(bitsPerPixel) {
        dc = CreateCompatibleDC(0);
        BITMAPINFO info{};
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = h;
        info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bitsPerPixel);
        void* p = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<std::uint8_t*>(p);
        previous = SelectObject(dc, bitmap);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    std::uint8_t* pixel(int x, int y) const {
        DibView v;
        GetDibView(dc, &v);
        return v.line(y) + x * (bpp / 8);
    }
    void set(int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a = 0) {
        std::uint8_t* p = pixel(x, y);
        p[0] = b, p[1] = g, p[2] = r;
        if (bpp == 32)
            p[3] = a;
    }
    std::vector<int> at(int x, int y) const {
        const std::uint8_t* p = pixel(x, y);
        if (bpp == 24)
            return {p[0], p[1], p[2]};
        return {p[0], p[1], p[2], p[3]};
    }
};

TEST(GdiObjects, HandlesAreSmallPositiveAndNeverReused) {
    const HDC a = CreateCompatibleDC(0);
    ASSERT_GT(a, 0);
    ASSERT_TRUE(DeleteDC(a));
    const HDC b = CreateCompatibleDC(0);
    EXPECT_GT(b, a);
    EXPECT_FALSE(DeleteDC(a)) << "a stale handle must not reach the newer context";
    EXPECT_TRUE(DeleteDC(b));
}

TEST(GdiObjects, DibSectionIsZeroedAndRowsFollowTheSignOfTheHeight) {
    Canvas up(3, 2), down(3, -2);
    ASSERT_NE(up.bitmap, 0);
    ASSERT_NE(down.bitmap, 0);
    for (int i = 0; i < 3 * 2 * 4; ++i) {
        ASSERT_EQ(up.bits[i], 0);
        ASSERT_EQ(down.bits[i], 0);
    }
    // Memory row 0 is the bottom line of a bottom-up bitmap and the top line of a top-down one.
    EXPECT_EQ(up.pixel(0, 1), up.bits);
    EXPECT_EQ(down.pixel(0, 0), down.bits);
}

// Zero also where the memory of a bitmap just freed is handed out again, at small and large sizes.
TEST(GdiObjects, DibSectionIsZeroedWhereAFreedOneLay) {
    for (const int width : {3, 700}) {
        for (int round = 0; round < 2; ++round) {
            Canvas canvas(width, 500);
            ASSERT_NE(canvas.bitmap, 0);
            const std::size_t size = static_cast<std::size_t>(width) * 500 * 4;
            ASSERT_EQ(std::count(canvas.bits, canvas.bits + size, 0), static_cast<long>(size))
                << width << " wide, round " << round;
            std::memset(canvas.bits, 0xA5, size);
        }
    }
}

TEST(GdiObjects, DibSectionRejectsWhatItCannotHold) {
    struct Case {
        const char* what;
        std::int32_t width, height;
        std::uint16_t bpp;
    } cases[] = {
        {"zero width", 0, 10, 32},          {"zero height", 10, 0, 32},
        {"negative width", -5, 10, 32},     {"16 bits per pixel", 10, 10, 16},
        {"beyond 2 GiB", 40000, 40000, 32},
    };
    for (const Case& c : cases) {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = c.width;
        info.bmiHeader.biHeight = c.height;
        info.bmiHeader.biBitCount = c.bpp;
        void* bits = reinterpret_cast<void*>(1);
        EXPECT_EQ(CreateDIBSection(0, &info, DIB_RGB_COLORS, &bits, nullptr, 0), 0) << c.what;
        EXPECT_EQ(bits, nullptr) << c.what;
    }
    EXPECT_EQ(CreateDIBSection(0, nullptr, DIB_RGB_COLORS, nullptr, nullptr, 0), 0);
}

// The surface's option for bitmaps it overwrites whole: the same bitmap as CreateDIBSection's in
// everything but the zeroing, refused for the same headers.
TEST(GdiObjects, ADibSectionForOverwriteIsAnOrdinaryBitmap) {
    for (const int height : {5, -5}) {
        BITMAPINFO info{};
        info.bmiHeader.biWidth = 7;
        info.bmiHeader.biHeight = height;
        void* bits = nullptr;
        const HBITMAP bitmap = CreateDIBSectionForOverwrite(&info, &bits);
        ASSERT_NE(bitmap, 0);
        ASSERT_NE(bits, nullptr);
        BITMAP record;
        ASSERT_EQ(GetObject(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
        EXPECT_EQ(record.bmWidth, 7);
        EXPECT_EQ(record.bmHeight, 5);
        EXPECT_EQ(record.bmWidthBytes, 28);
        EXPECT_EQ(record.bmBits, bits);
        const HDC dc = CreateCompatibleDC(0);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        ASSERT_NE(previous, 0);
        ASSERT_TRUE(BitBlt(dc, 0, 0, 7, 5, 0, 0, 0, WHITENESS));
        DibView view;
        ASSERT_TRUE(GetDibView(dc, &view));
        EXPECT_EQ(view.topDown, height < 0);
        EXPECT_EQ(view.line(0)[4 * 6 + 2], 0xFF);
        SelectObject(dc, previous);
        DeleteDC(dc);
        EXPECT_TRUE(DeleteObject(bitmap));
    }
    BITMAPINFO bad{};
    bad.bmiHeader.biWidth = 40000;
    bad.bmiHeader.biHeight = 40000;
    void* bits = reinterpret_cast<void*>(1);
    EXPECT_EQ(CreateDIBSectionForOverwrite(&bad, &bits), 0);
    EXPECT_EQ(bits, nullptr);
    EXPECT_EQ(CreateDIBSectionForOverwrite(nullptr, &bits), 0);
}

TEST(GdiObjects, GetObjectDescribesBothDepths) {
    Canvas c32(5, 7), c24(5, -3, 24);
    BITMAP b32, b24;
    ASSERT_EQ(GetObject(c32.bitmap, sizeof b32, &b32), static_cast<int>(sizeof(BITMAP)));
    ASSERT_EQ(GetObject(c24.bitmap, sizeof b24, &b24), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(b32.bmWidth, 5);
    EXPECT_EQ(b32.bmHeight, 7);
    EXPECT_EQ(b32.bmWidthBytes, 20);
    EXPECT_EQ(b32.bmPlanes, 1);
    EXPECT_EQ(b32.bmBitsPixel, 32);
    EXPECT_EQ(b32.bmBits, c32.bits);
    EXPECT_EQ(b24.bmHeight, 3);
    EXPECT_EQ(b24.bmWidthBytes, 16) << "24-bit rows are padded to 4 bytes";
    EXPECT_EQ(b24.bmBitsPixel, 24);
    EXPECT_EQ(GetObject(c32.dc, sizeof b32, &b32), 0) << "a context is not a bitmap";
    EXPECT_EQ(GetObject(c32.bitmap, 4, &b32), 0);
}

TEST(GdiObjects, SelectionRulesProtectBitmapsInUse) {
    Canvas c(4, 4);
    const HDC other = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(other, c.bitmap), 0) << "a bitmap lives in one context at a time";
    EXPECT_FALSE(DeleteObject(c.bitmap)) << "a selected bitmap is not freed";
    const HDC screen = GetDC(GetDesktopWindow());
    EXPECT_EQ(SelectObject(screen, c.bitmap), 0);
    EXPECT_EQ(ReleaseDC(GetDesktopWindow(), screen), 1);
    EXPECT_TRUE(DeleteDC(other));
    EXPECT_FALSE(DeleteObject(c.dc)) << "contexts are freed with DeleteDC";
}

TEST(GdiObjects, NothingLeaksThroughACompleteCycle) {
    const std::size_t before = LiveObjectCount();
    {
        Canvas a(10, 10), b(10, 10);
        const HPEN pen = CreatePen(PS_SOLID, 1, 0xFF);
        const HBRUSH brush = CreateSolidBrush(0xFF);
        const HGDIOBJ oldPen = SelectObject(a.dc, pen), oldBrush = SelectObject(a.dc, brush);
        Rectangle(a.dc, 0, 0, 5, 5);
        SelectObject(a.dc, oldPen);
        SelectObject(a.dc, oldBrush);
        EXPECT_TRUE(DeleteObject(pen));
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_EQ(LiveObjectCount(), before + 4);
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(GdiOperations, EveryOperationFailsOnInvalidHandles) {
    Canvas c(4, 4);
    const HDC bad = 0x7FFF0000;
    BLENDFUNCTION blend;
    EXPECT_FALSE(BitBlt(bad, 0, 0, 1, 1, c.dc, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(c.dc, 0, 0, 1, 1, bad, 0, 0, SRCCOPY));
    EXPECT_FALSE(AlphaBlend(bad, 0, 0, 1, 1, c.dc, 0, 0, 1, 1, blend));
    EXPECT_FALSE(AlphaBlend(c.dc, 0, 0, 1, 1, bad, 0, 0, 1, 1, blend));
    EXPECT_FALSE(Rectangle(bad, 0, 0, 1, 1));
    EXPECT_EQ(SelectObject(bad, c.bitmap), 0);
    EXPECT_EQ(SelectObject(c.dc, bad), 0);
    EXPECT_FALSE(DeleteObject(bad));
    EXPECT_FALSE(DeleteDC(bad));
    EXPECT_EQ(CreateCompatibleDC(bad), 0);
    EXPECT_EQ(GetObject(bad, sizeof(BITMAP), nullptr), 0);
    EXPECT_FALSE(BitBlt(c.dc, 0, 0, 1, 1, c.dc, 0, 0, 0x00EE0086 /* SRCPAINT */));
}

TEST(GdiOperations, BitBltClipsToBothBitmaps) {
    struct Case {
        int x, y, w, h, sx, sy;
        int copiedX, copiedY; // target pixel that receives source pixel (1, 1), or -1 if none
    } cases[] = {
        {0, 0, 3, 3, 0, 0, 1, 1},           {-1, -1, 3, 3, 0, 0, 0, 0},
        {2, 2, 3, 3, 0, 0, 3, 3},           {0, 0, 3, 3, 1, 1, 0, 0},
        {0, 0, 100, 100, -1, -1, 2, 2},     {3, 3, 10, 10, 1, 1, 3, 3},
        {0, 0, 3, 3, 2, 2, -1, -1},         {4, 4, 2, 2, 0, 0, -1, -1},
        {INT32_MAX, 0, 5, 5, 0, 0, -1, -1}, {0, 0, INT32_MAX, INT32_MAX, INT32_MIN, 0, -1, -1},
    };
    for (const Case& k : cases) {
        Canvas src(3, 3), dst(4, 4);
        src.set(1, 1, 10, 20, 30, 40);
        ASSERT_TRUE(BitBlt(dst.dc, k.x, k.y, k.w, k.h, src.dc, k.sx, k.sy, SRCCOPY));
        int found = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                if (dst.at(x, y) == std::vector<int>{10, 20, 30, 40}) {
                    ++found;
                    EXPECT_EQ(x, k.copiedX);
                    EXPECT_EQ(y, k.copiedY);
                }
        EXPECT_EQ(found, k.copiedX < 0 ? 0 : 1) << k.x << "," << k.y << " from " << k.sx;
    }
}

TEST(GdiOperations, BitBltWithinOneBitmapReadsBeforeWriting) {
    Canvas c(1, 5);
    for (int y = 0; y < 5; ++y)
        c.set(0, y, static_cast<std::uint8_t>(y), 0, 0, 0);
    ASSERT_TRUE(BitBlt(c.dc, 0, 1, 1, 4, c.dc, 0, 0, SRCCOPY));
    for (int y = 1; y < 5; ++y)
        EXPECT_EQ(c.at(0, y)[0], y - 1);
    ASSERT_TRUE(BitBlt(c.dc, 0, 0, 1, 4, c.dc, 0, 1, SRCCOPY));
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(c.at(0, y)[0], y);
}

TEST(GdiOperations, BitBltConvertsBetweenDepths) {
    Canvas c24(2, 2, 24), c32(2, 2);
    c24.set(1, 0, 1, 2, 3);
    c32.set(0, 0, 0xFF, 0xFF, 0xFF, 0xFF); // the copy must clear the alpha byte too
    ASSERT_TRUE(BitBlt(c32.dc, 0, 0, 2, 2, c24.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(c32.at(1, 0), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(c32.at(0, 0), (std::vector<int>{0, 0, 0, 0}));
    c32.set(0, 1, 7, 8, 9, 200);
    Canvas back(2, 2, 24);
    ASSERT_TRUE(BitBlt(back.dc, 0, 0, 2, 2, c32.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(back.at(0, 1), (std::vector<int>{7, 8, 9}));
}

TEST(GdiOperations, TheScreenDrawsNowhereAndReadsAsEmpty) {
    Canvas c(2, 2);
    c.set(0, 0, 5, 5, 5, 5);
    const HDC screen = GetDC(GetDesktopWindow());
    ASSERT_NE(screen, 0);
    EXPECT_TRUE(BitBlt(screen, 0, 0, 2, 2, c.dc, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(c.dc, 0, 0, 2, 2, screen, 0, 0, SRCCOPY));
    EXPECT_EQ(c.at(0, 0), (std::vector<int>{5, 5, 5, 5}));
    const HDC memory = CreateCompatibleDC(screen);
    EXPECT_NE(memory, 0);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_FALSE(DeleteDC(screen));
    EXPECT_EQ(ReleaseDC(GetDesktopWindow(), screen), 1);
}

TEST(GdiOperations, AlphaBlendIsSourceOverWithPremultipliedSource) {
    struct Case {
        std::vector<int> source; // b, g, r, a
        std::uint8_t constant;
        std::vector<int> target; // before
        std::vector<int> expected;
    } cases[] = {
        {{10, 20, 30, 255}, 255, {200, 100, 50, 7}, {10, 20, 30, 255}},
        {{0, 0, 0, 0}, 255, {200, 100, 50, 7}, {200, 100, 50, 7}},
        {{64, 64, 64, 128}, 255, {255, 255, 255, 0}, {191, 191, 191, 128}},
        {{200, 0, 0, 0}, 255, {100, 0, 0, 0}, {255, 0, 0, 0}}, // not premultiplied: clamped
        {{255, 255, 255, 255}, 128, {0, 0, 0, 0}, {128, 128, 128, 128}},
        {{255, 255, 255, 255}, 0, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    for (const Case& k : cases) {
        Canvas src(1, 1), dst(1, 1);
        src.set(0, 0, k.source[0], k.source[1], k.source[2], k.source[3]);
        dst.set(0, 0, k.target[0], k.target[1], k.target[2], k.target[3]);
        BLENDFUNCTION blend{AC_SRC_OVER, 0, k.constant, AC_SRC_ALPHA};
        ASSERT_TRUE(AlphaBlend(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, 1, 1, blend));
        EXPECT_EQ(dst.at(0, 0), k.expected) << "source alpha " << k.source[3];
    }
}

TEST(GdiOperations, AlphaBlendWithinOneBitmapReadsBeforeWriting) {
    Canvas c(5, 1);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (int x = 0; x < 5; ++x)
        c.set(x, 0, static_cast<std::uint8_t>(x), 0, 0, 255);
    ASSERT_TRUE(AlphaBlend(c.dc, 1, 0, 4, 1, c.dc, 0, 0, 4, 1, blend));
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(c.at(x, 0)[0], x - 1);
    ASSERT_TRUE(AlphaBlend(c.dc, 0, 0, 4, 1, c.dc, 1, 0, 4, 1, blend));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(c.at(x, 0)[0], x);
}

TEST(GdiOperations, AlphaBlendOfWholeLinesMatchesTheFormulaForEveryPixel) {
    // Lines long enough for the four-pixel path, with opaque, transparent black, partly
    // transparent and over-bright (colour above alpha) pixels mixed in every group.
    constexpr int width = 23, height = 3;
    Canvas src(width, height), dst(width, height);
    std::vector<std::vector<int>> before(width * height);
    std::uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int kind = static_cast<int>(next() % 4);
            const std::uint8_t a = kind == 0   ? 255
                                   : kind == 1 ? 0
                                               : static_cast<std::uint8_t>(next());
            const std::uint8_t b = kind == 1 ? 0 : static_cast<std::uint8_t>(next());
            src.set(x, y, b, static_cast<std::uint8_t>(next()), static_cast<std::uint8_t>(next()),
                    a);
            if (kind == 1)
                src.set(x, y, 0, 0, 0, 0);
            dst.set(x, y, static_cast<std::uint8_t>(next()), static_cast<std::uint8_t>(next()),
                    static_cast<std::uint8_t>(next()), static_cast<std::uint8_t>(next()));
            before[y * width + x] = dst.at(x, y);
        }
    ASSERT_TRUE(
        AlphaBlend(dst.dc, 0, 0, width, height, src.dc, 0, 0, width, height, BLENDFUNCTION{}));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::vector<int> s = src.at(x, y), d = before[y * width + x];
            std::vector<int> expected(4);
            for (int k = 0; k < 4; ++k) {
                const double scaled = d[k] * (255.0 - s[3]) / 255.0;
                expected[k] = std::min(255, s[k] + static_cast<int>(std::lround(scaled)));
            }
            EXPECT_EQ(dst.at(x, y), expected) << x << "," << y;
        }
}

TEST(GdiOperations, AlphaBlendClipsToTheTargetButRefusesASourceBeyondItsBitmap) {
    struct Case {
        int x, y, w, h, sx, sy;
        bool blended;
        int left, top, right, bottom; // the target pixels painted, right and bottom excluded
        int markX, markY;             // where source pixel (1, 1) lands, or -1
    } cases[] = {
        {0, 0, 3, 3, 0, 0, true, 0, 0, 3, 3, 1, 1},
        {-1, -1, 3, 3, 0, 0, true, 0, 0, 2, 2, 0, 0},
        {2, 2, 3, 3, 0, 0, true, 2, 2, 4, 4, 3, 3},
        {1, 0, 2, 2, 1, 1, true, 1, 0, 3, 2, 1, 0},
        {4, 4, 2, 2, 0, 0, true, 0, 0, 0, 0, -1, -1},
        {INT32_MAX, 0, 3, 3, 0, 0, true, 0, 0, 0, 0, -1, -1},
        // A source rectangle that reaches past its bitmap paints nothing at all.
        {0, 0, 3, 3, 1, 1, false, 0, 0, 0, 0, -1, -1},
        {0, 0, 3, 3, 0, 1, false, 0, 0, 0, 0, -1, -1},
        {0, 0, 4, 4, -1, -1, false, 0, 0, 0, 0, -1, -1},
        {0, 0, 2, 2, -1, 0, false, 0, 0, 0, 0, -1, -1},
        {0, 0, 100, 100, 0, 0, false, 0, 0, 0, 0, -1, -1},
        {-5, -5, 2, 2, 2, 2, false, 0, 0, 0, 0, -1, -1},
        {0, 0, 1, 1, INT32_MAX, 0, false, 0, 0, 0, 0, -1, -1},
        {0, 0, INT32_MAX, INT32_MAX, INT32_MIN, 0, false, 0, 0, 0, 0, -1, -1},
    };
    const std::vector<int> background{1, 2, 3, 4}, grey{5, 5, 5, 255}, mark{10, 20, 30, 255};
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (const Case& k : cases) {
        Canvas src(3, 3), dst(4, 4);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                src.set(x, y, 5, 5, 5, 255);
        src.set(1, 1, 10, 20, 30, 255);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                dst.set(x, y, 1, 2, 3, 4);
        EXPECT_EQ(AlphaBlend(dst.dc, k.x, k.y, k.w, k.h, src.dc, k.sx, k.sy, k.w, k.h, blend),
                  k.blended)
            << k.x << "," << k.y << " from " << k.sx << "," << k.sy;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool painted = x >= k.left && x < k.right && y >= k.top && y < k.bottom;
                const std::vector<int>& expected = !painted                         ? background
                                                   : (x == k.markX && y == k.markY) ? mark
                                                                                    : grey;
                EXPECT_EQ(dst.at(x, y), expected) << "at " << x << "," << y << " for " << k.x << ","
                                                  << k.y << " from " << k.sx << "," << k.sy;
            }
    }
}

TEST(GdiOperations, AlphaBlendNeedsA32BitSourceAndNoStretch) {
    Canvas src24(2, 2, 24), src(2, 2), dst(2, 2);
    BLENDFUNCTION blend;
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src24.dc, 0, 0, 2, 2, blend));
    EXPECT_FALSE(AlphaBlend(dst.dc, 0, 0, 2, 2, src.dc, 0, 0, 1, 1, blend));
    EXPECT_TRUE(AlphaBlend(dst.dc, -5, -5, 2, 2, src.dc, 0, 0, 2, 2, blend)) << "clipped away";
    const HDC screen = GetDC(GetDesktopWindow());
    EXPECT_TRUE(AlphaBlend(screen, 0, 0, 2, 2, src.dc, 0, 0, 2, 2, blend));
    EXPECT_FALSE(AlphaBlend(screen, 0, 0, 2, 2, src.dc, 1, 0, 2, 2, blend))
        << "the source is checked wherever the blend would go";
    ReleaseDC(GetDesktopWindow(), screen);
}

TEST(GdiOperations, RectangleLeavesTheRightColumnAndBottomRowUnpainted) {
    Canvas c(6, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            c.set(x, y, 1, 1, 1, 99);
    const HPEN pen = CreatePen(PS_SOLID, 1, 0x000000FF); // red outline
    const HBRUSH brush = CreateSolidBrush(0x00FF0000);   // blue interior
    const HGDIOBJ oldPen = SelectObject(c.dc, pen), oldBrush = SelectObject(c.dc, brush);
    ASSERT_TRUE(Rectangle(c.dc, 1, 1, 5, 5));
    const std::vector<int> untouched{1, 1, 1, 99}, red{0, 0, 255, 0}, blue{255, 0, 0, 0};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x <= 4 && y >= 1 && y <= 4;
            const bool edge = inside && (x == 1 || x == 4 || y == 1 || y == 4);
            EXPECT_EQ(c.at(x, y), !inside ? untouched : edge ? red : blue) << x << "," << y;
        }
    SelectObject(c.dc, oldPen);
    SelectObject(c.dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(GdiOperations, RectangleClipsFarOutsideTheBitmap) {
    Canvas c(3, 3);
    const HBRUSH brush = CreateSolidBrush(0x00FFFFFF);
    const HGDIOBJ old = SelectObject(c.dc, brush);
    ASSERT_TRUE(Rectangle(c.dc, -100000, -100000, 100000, 100000));
    EXPECT_EQ(c.at(1, 1), (std::vector<int>{255, 255, 255, 0}));
    SelectObject(c.dc, old);
    DeleteObject(brush);
}

TEST(GdiOperations, RectangleClipsEveryExtentUpToThe32BitLimits) {
    // Rows of a 4 x 4 bitmap: 'R' the red outline, 'B' the blue interior, '.' untouched.
    struct Case {
        int left, top, right, bottom, penWidth;
        const char* rows[4];
    } cases[] = {
        {-100000, -100000, 100000, 100000, 1, {"BBBB", "BBBB", "BBBB", "BBBB"}},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 1, {"BBBB", "BBBB", "BBBB", "BBBB"}},
        {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN, 1, {"BBBB", "BBBB", "BBBB", "BBBB"}},
        {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, INT32_MAX, {"RRRR", "RRRR", "RRRR", "RRRR"}},
        {INT32_MIN, 1, INT32_MAX, 3, 1, {"....", "RRRR", "RRRR", "...."}},
        {0, 0, INT32_MAX, INT32_MAX, 1, {"RRRR", "RBBB", "RBBB", "RBBB"}},
        {2, 2, INT32_MAX, INT32_MAX, 1, {"....", "....", "..RR", "..RB"}},
        {INT32_MIN, INT32_MIN, 3, 3, 1, {"BBR.", "BBR.", "RRR.", "...."}},
        {INT32_MIN, INT32_MIN, INT32_MIN + 1, INT32_MAX, 1, {"....", "....", "....", "...."}},
        {INT32_MAX - 1, 0, INT32_MAX, 4, 1, {"....", "....", "....", "...."}},
        {1, 1, 3, 3, INT32_MAX, {"....", ".RR.", ".RR.", "...."}},
    };
    for (const Case& k : cases) {
        Canvas c(4, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                c.set(x, y, 1, 1, 1, 99);
        const HPEN pen = CreatePen(PS_SOLID, k.penWidth, 0x000000FF);
        const HBRUSH brush = CreateSolidBrush(0x00FF0000);
        const HGDIOBJ oldPen = SelectObject(c.dc, pen), oldBrush = SelectObject(c.dc, brush);
        EXPECT_TRUE(Rectangle(c.dc, k.left, k.top, k.right, k.bottom));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const char kind = k.rows[y][x];
                const std::vector<int> expected = kind == 'R'   ? std::vector<int>{0, 0, 255, 0}
                                                  : kind == 'B' ? std::vector<int>{255, 0, 0, 0}
                                                                : std::vector<int>{1, 1, 1, 99};
                EXPECT_EQ(c.at(x, y), expected)
                    << "at " << x << "," << y << " for (" << k.left << ", " << k.top << ", "
                    << k.right << ", " << k.bottom << ") pen " << k.penWidth;
            }
        SelectObject(c.dc, oldPen);
        SelectObject(c.dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
}

TEST(SystemColours, ClassicDefaultsAndDirectColours) {
    COLORREF out = 0;
    ASSERT_TRUE(OleTranslateColor(0x80000005, &out));
    EXPECT_EQ(out, 0x00FFFFFFu) << "window colour";
    ASSERT_TRUE(OleTranslateColor(0x80000008, &out));
    EXPECT_EQ(out, 0u) << "window text colour";
    ASSERT_TRUE(OleTranslateColor(0x80000004, &out));
    EXPECT_EQ(out, 0x00C8D0D4u) << "menu colour";
    ASSERT_TRUE(OleTranslateColor(0x00FFFF00, &out));
    EXPECT_EQ(out, 0x00FFFF00u);
    out = 123;
    EXPECT_FALSE(OleTranslateColor(0x800000FF, &out));
    EXPECT_FALSE(OleTranslateColor(0x01000000, &out));
    EXPECT_EQ(out, 123u);
}

} // namespace
