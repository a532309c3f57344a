#include "surface/alpha_surface.h"
#include "tests/surface/surface_probe.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using surfacetest::Bgra;
using surfacetest::Canvas;
using surfacetest::pixelAt;
using surfacetest::setPixel;

namespace {

bool allZero(const cAlphaSurface& surface) {
    const std::size_t size =
        static_cast<std::size_t>(surface.BytesPerScanLine()) * surface.Height();
    for (std::size_t i = 0; i < size; ++i)
        if (surface.DIBSectionBitsPtr()[i] != 0)
            return false;
    return true;
}

void expectEmpty(const cAlphaSurface& surface) {
    EXPECT_EQ(surface.hDC(), 0);
    EXPECT_EQ(surface.hDIB(), 0);
    EXPECT_EQ(surface.DIBSectionBitsPtr(), nullptr);
}

// A surface whose every pixel is distinct: (x, line, 7, 200).
Bgra patternPixel(int x, int line) {
    return {x, line, 7, 200};
}

void fillPattern(cAlphaSurface& surface) {
    for (int line = 0; line < surface.Height(); ++line)
        for (int x = 0; x < surface.Width(); ++x)
            setPixel(surface, x, line, patternPixel(x, line));
}

TEST(AlphaSurface, ANewSurfaceIsEmpty) {
    const cAlphaSurface surface;
    expectEmpty(surface);
    EXPECT_FALSE(surface.UseDrawDib());
    EXPECT_EQ(surface.Width(), 0);
    EXPECT_EQ(surface.Height(), 0);
    EXPECT_EQ(surface.BytesPerScanLine(), 0);
    EXPECT_EQ(surface.SRFType(), "");
    EXPECT_EQ(surface.Width3D() | surface.Height3D() | surface.Width2D() | surface.Height2D(), 0);
}

TEST(AlphaSurface, CreateMakesAZeroedBitmapSelectedIntoItsOwnContext) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(20100, 100));
    EXPECT_EQ(surface.Width(), 20100);
    EXPECT_EQ(surface.Height(), 100);
    EXPECT_EQ(surface.BytesPerScanLine(), 4 * 20100);
    EXPECT_EQ(gdi::GetCurrentObject(surface.hDC(), gdi::OBJ_BITMAP), surface.hDIB());
    gdi::BITMAP record{};
    ASSERT_NE(gdi::GetObject(surface.hDIB(), sizeof record, &record), 0);
    EXPECT_EQ(record.bmWidth, 20100);
    EXPECT_EQ(record.bmHeight, 100);
    EXPECT_EQ(record.bmWidthBytes, 4 * 20100);
    EXPECT_EQ(record.bmBitsPixel, 32);
    EXPECT_EQ(record.bmBits, surface.DIBSectionBitsPtr());
    EXPECT_TRUE(allZero(surface));
}

TEST(AlphaSurface, RecreatingReleasesTheOldImageAndKeepsTheVehicleProperties) {
    cAlphaSurface surface;
    surface.Width3D(80);
    surface.Height3D(81);
    surface.Width2D(64);
    surface.Height2D(65);
    ASSERT_TRUE(surface.Create(4, 4));
    const std::size_t live = gdi::LiveObjectCount();
    const gdi::HDC oldContext = surface.hDC();
    const gdi::HBITMAP oldBitmap = surface.hDIB();
    ASSERT_TRUE(surface.Create(8, 2));
    EXPECT_EQ(gdi::LiveObjectCount(), live);
    EXPECT_EQ(gdi::GetObject(oldBitmap, 0, nullptr), 0) << "the old bitmap is still alive";
    EXPECT_FALSE(gdi::DeleteDC(oldContext)) << "the old context is still alive";
    EXPECT_EQ(surface.Width(), 8);
    EXPECT_EQ(surface.BytesPerScanLine(), 32);
    EXPECT_EQ(surface.Width3D(), 80);
    EXPECT_EQ(surface.Height3D(), 81);
    EXPECT_EQ(surface.Width2D(), 64);
    EXPECT_EQ(surface.Height2D(), 65);
}

TEST(AlphaSurface, AFailedCreateLeavesItEmptyAndStillReportsTheRequest) {
    const std::pair<int, int> cases[] = {{0, 10}, {10, 0}, {-5, 10}, {10, -5}, {0, 0}};
    const std::size_t baseline = gdi::LiveObjectCount();
    for (const auto& [width, height] : cases) {
        cAlphaSurface surface;
        ASSERT_TRUE(surface.Create(3, 3));
        EXPECT_FALSE(surface.Create(width, height)) << width << " x " << height;
        expectEmpty(surface);
        EXPECT_FALSE(surface.UseDrawDib());
        EXPECT_EQ(surface.Width(), width);
        EXPECT_EQ(surface.Height(), height);
        EXPECT_EQ(surface.BytesPerScanLine(), 4 * width);
        EXPECT_EQ(gdi::LiveObjectCount(), baseline) << width << " x " << height;
    }
}

TEST(AlphaSurface, ASizeBeyondThirtyTwoBitsIsRaisedAndLeaksNothing) {
    const std::pair<int, int> cases[] = {
        {536870912, 1},   // 4 x width
        {-536870913, 1},  // 4 x width, below the range
        {1000, 536871},   // the image size
        {65536, 8193},    // the image size
        {-1000, -536871}, // a positive image size from two negative values
    };
    const std::size_t baseline = gdi::LiveObjectCount();
    for (const auto& [width, height] : cases) {
        cAlphaSurface surface;
        ASSERT_TRUE(surface.Create(2, 2));
        surface.UseDrawDib(true);
        EXPECT_THROW(surface.Create(width, height), SurfaceOverflowError)
            << width << " x " << height;
        expectEmpty(surface);
        EXPECT_EQ(surface.Width(), width);
        EXPECT_EQ(surface.Height(), height);
        EXPECT_EQ(gdi::LiveObjectCount(), baseline) << width << " x " << height;
    }
    cAlphaSurface surface;
    EXPECT_THROW(surface.Create(536870912, 1), std::overflow_error);
}

TEST(AlphaSurface, ReleasingIsSafeOnAnEmptySurfaceAndRepeatedly) {
    const std::size_t baseline = gdi::LiveObjectCount();
    {
        cAlphaSurface surface;
        surface.Destroy();
        surface.ClearUp();
        ASSERT_TRUE(surface.Create(5, 6));
        surface.UseDrawDib(true);
        surface.ClearUp();
        expectEmpty(surface);
        EXPECT_FALSE(surface.UseDrawDib());
        EXPECT_EQ(gdi::LiveObjectCount(), baseline);
        surface.ClearUp();
        surface.Destroy();
        EXPECT_EQ(surface.Width(), 5);
        EXPECT_EQ(surface.Height(), 6);
        EXPECT_EQ(surface.BytesPerScanLine(), 20);
        ASSERT_TRUE(surface.Create(5, 6));
    }
    EXPECT_EQ(gdi::LiveObjectCount(), baseline) << "the destructor must release the image";
}

TEST(AlphaSurface, MemoryRowZeroIsTheBottomLine) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(3, 2));
    const std::uint8_t pixel[4] = {1, 2, 3, 4};
    std::memcpy(surface.DIBSectionBitsPtr(), pixel, 4);
    Canvas canvas(3, 2);
    surface.PaintPicture(canvas.dc(), 0, 0, -1, -1, 0, 0);
    EXPECT_EQ(canvas.at(0, 1), (Bgra{1, 2, 3, 4}));
    EXPECT_EQ(canvas.at(0, 0), (Bgra{0, 0, 0, 0}));
}

struct CopyCase {
    const char* name;
    int dx, dy, width, height, sx, sy;
};

constexpr CopyCase kPaintCases[] = {
    {"whole surface", 1, 1, -1, -1, 0, 0},        {"inner rectangle", 0, 0, 2, 1, 2, 1},
    {"clipped by the surface", 3, 2, 5, 5, 1, 1}, {"clipped by the canvas", 4, 3, -1, -1, 0, 0},
    {"negative height only", 0, 0, 2, -1, 0, 0},  {"nothing", 0, 0, 0, 3, 0, 0},
};

// What a plain copy of the 4 x 3 pattern surface onto a 6 x 5 canvas of `background` gives.
Bgra expectedAfterPaint(const CopyCase& c, int x, int y, Bgra background) {
    const int width = c.width < 0 ? 4 : c.width, height = c.height < 0 ? 3 : c.height;
    const int sx = c.sx + x - c.dx, sy = c.sy + y - c.dy;
    const bool inside = x >= c.dx && x < c.dx + width && y >= c.dy && y < c.dy + height &&
                        sx >= 0 && sx < 4 && sy >= 0 && sy < 3;
    return inside ? patternPixel(sx, sy) : background;
}

TEST(AlphaSurface, PaintPictureCopiesTheRectangleWithOrWithoutDrawDib) {
    const Bgra background = {9, 9, 9, 9};
    for (const bool drawDib : {false, true}) {
        for (const CopyCase& c : kPaintCases) {
            cAlphaSurface surface;
            ASSERT_TRUE(surface.Create(4, 3));
            surface.UseDrawDib(drawDib);
            fillPattern(surface);
            Canvas canvas(6, 5);
            canvas.fill(background);
            surface.PaintPicture(canvas.dc(), c.dx, c.dy, c.width, c.height, c.sx, c.sy);
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 6; ++x)
                    ASSERT_EQ(canvas.at(x, y), expectedAfterPaint(c, x, y, background))
                        << c.name << (drawDib ? " through DrawDib" : "") << " at " << x << "," << y;
        }
    }
}

TEST(AlphaSurface, LoadPictureBltCopiesFromAContextToTheOrigin) {
    Canvas source(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            source.set(x, y, {x, y, 50, 60});
    struct Case {
        int sx, sy, width, height;
    };
    for (const Case& c : {Case{1, 2, -1, -1}, Case{0, 0, 2, 1}, Case{4, 4, 3, 3}}) {
        cAlphaSurface surface;
        ASSERT_TRUE(surface.Create(3, 3));
        surface.LoadPictureBlt(source.dc(), c.sx, c.sy, c.width, c.height);
        const int width = c.width < 0 ? 3 : c.width, height = c.height < 0 ? 3 : c.height;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                const bool inside = x < width && y < height && c.sx + x < 5 && c.sy + y < 5;
                const Bgra want = inside ? Bgra{c.sx + x, c.sy + y, 50, 60} : Bgra{0, 0, 0, 0};
                ASSERT_EQ(pixelAt(surface, x, y), want)
                    << c.sx << "," << c.sy << " at " << x << "," << y;
            }
    }
}

int roundedDiv255(int value) {
    return static_cast<int>(std::lround(value / 255.0));
}

// Source over with the source taken as premultiplied: c' = c s / 255, d' = c' + d (1 - a'/255),
// clamped to 255.
Bgra blended(Bgra source, int constant, Bgra destination) {
    Bgra scaled, out;
    for (int i = 0; i < 4; ++i)
        scaled[i] = roundedDiv255(source[i] * constant);
    for (int i = 0; i < 4; ++i)
        out[i] = std::min(255, scaled[i] + roundedDiv255(destination[i] * (255 - scaled[3])));
    return out;
}

TEST(AlphaSurface, AlphaPaintPictureBlendsSourceOverWithPerPixelAlpha) {
    struct Case {
        Bgra source;
        int constant;
        Bgra destination;
        Bgra expected;
    };
    const Case cases[] = {
        {{10, 20, 30, 255}, 255, {200, 100, 50, 7}, {10, 20, 30, 255}},
        {{0, 0, 0, 0}, 255, {200, 100, 50, 7}, {200, 100, 50, 7}},
        {{64, 32, 16, 128}, 255, {200, 100, 50, 255}, {164, 82, 41, 255}},
        {{200, 100, 50, 255}, 128, {0, 0, 0, 0}, {100, 50, 25, 128}},
        {{200, 100, 50, 255}, 0, {1, 2, 3, 4}, {1, 2, 3, 4}},
        // Colours above their alpha (not premultiplied) clamp at 255.
        {{255, 255, 255, 0}, 255, {100, 100, 100, 100}, {255, 255, 255, 100}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(blended(c.source, c.constant, c.destination), c.expected) << "the model";
        cAlphaSurface surface;
        ASSERT_TRUE(surface.Create(1, 1));
        setPixel(surface, 0, 0, c.source);
        Canvas canvas(1, 1);
        canvas.set(0, 0, c.destination);
        surface.AlphaPaintPicture(canvas.dc(), 0, 0, 1, 1, 0, 0,
                                  static_cast<std::uint8_t>(c.constant));
        EXPECT_EQ(canvas.at(0, 0), c.expected) << "constant alpha " << c.constant;
    }
}

TEST(AlphaSurface, AlphaPaintPictureWithoutASizeBlendsTheWholeSurface) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(2, 2));
    fillPattern(surface);
    setPixel(surface, 1, 1, {0, 0, 0, 0});
    Canvas canvas(4, 4);
    canvas.fill({90, 90, 90, 90});
    surface.AlphaPaintPicture(canvas.dc(), 1, 1, -1, -1, 0, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            Bgra want = {90, 90, 90, 90};
            if (x >= 1 && x < 3 && y >= 1 && y < 3)
                want = blended(pixelAt(surface, x - 1, y - 1), 255, want);
            EXPECT_EQ(canvas.at(x, y), want) << x << "," << y;
        }
    EXPECT_EQ(canvas.at(2, 2), (Bgra{90, 90, 90, 90}));
}

TEST(AlphaSurface, PaintingAnEmptySurfaceChangesNothing) {
    cAlphaSurface surface;
    Canvas canvas(2, 2);
    canvas.fill({5, 6, 7, 8});
    surface.PaintPicture(canvas.dc(), 0, 0, 2, 2, 0, 0);
    surface.AlphaPaintPicture(canvas.dc(), 0, 0, 2, 2, 0, 0);
    surface.UseDrawDib(true);
    surface.PaintPicture(canvas.dc(), 0, 0, 2, 2, 0, 0);
    surface.LoadPictureBlt(canvas.dc(), 0, 0, 2, 2);
    EXPECT_EQ(canvas.at(1, 1), (Bgra{5, 6, 7, 8}));
}

TEST(AlphaSurface, CreateFromHBitmapCopiesAnOrdinaryBitmapWithAlphaZero) {
    Canvas picture(3, 2, 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.set(x, y, {10 * x, 20 * y, 99, 0});
    picture.releaseBitmap();
    const std::size_t baseline = gdi::LiveObjectCount();
    cAlphaSurface surface;
    surface.CreateFromHBitmap(picture.bitmap());
    ASSERT_NE(surface.hDIB(), 0);
    EXPECT_EQ(surface.Width(), 3);
    EXPECT_EQ(surface.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pixelAt(surface, x, y), (Bgra{10 * x, 20 * y, 99, 0})) << x << "," << y;
    EXPECT_EQ(gdi::LiveObjectCount(), baseline + 2) << "temporary objects must be released";
    // The picture's bitmap is free again for its owner.
    Canvas other(1, 1);
    EXPECT_NE(gdi::SelectObject(other.dc(), picture.bitmap()), 0);
    gdi::SelectObject(other.dc(), other.bitmap());
}

TEST(AlphaSurface, CreateFromHBitmapReportsNothingWhenItCannotCopy) {
    cAlphaSurface surface;
    ASSERT_TRUE(surface.Create(2, 2));
    surface.CreateFromHBitmap(0);
    expectEmpty(surface);
    EXPECT_EQ(surface.Width(), 0);
    EXPECT_EQ(surface.Height(), 0);

    // A bitmap still selected into its own context cannot be selected for the copy.
    Canvas busy(2, 3);
    busy.fill({1, 1, 1, 1});
    surface.CreateFromHBitmap(busy.bitmap());
    ASSERT_NE(surface.hDIB(), 0);
    EXPECT_EQ(surface.Width(), 2);
    EXPECT_EQ(surface.Height(), 3);
    EXPECT_TRUE(allZero(surface));
}

TEST(AlphaSurface, CreateKeepsDrawDibAsItWasUnlessCreationFails) {
    cAlphaSurface surface;
    surface.UseDrawDib(true);
    EXPECT_TRUE(surface.UseDrawDib());
    ASSERT_TRUE(surface.Create(2, 2));
    EXPECT_TRUE(surface.UseDrawDib());
    EXPECT_FALSE(surface.Create(0, 2));
    EXPECT_FALSE(surface.UseDrawDib());
    surface.UseDrawDib(true);
    surface.UseDrawDib(false);
    EXPECT_FALSE(surface.UseDrawDib());
}

TEST(AlphaSurface, CreateDibFillsTheCallersHandleAndThePixelAddress) {
    cAlphaSurface surface;
    const gdi::HDC dc = gdi::CreateCompatibleDC(0);
    gdi::HBITMAP bitmap = -1;
    ASSERT_TRUE(surface.CreateDIB(dc, 7, 3, bitmap));
    ASSERT_NE(bitmap, 0);
    gdi::BITMAP record{};
    gdi::GetObject(bitmap, sizeof record, &record);
    EXPECT_EQ(record.bmBits, surface.DIBSectionBitsPtr());
    EXPECT_EQ(surface.BytesPerScanLine(), 28);
    EXPECT_TRUE(gdi::DeleteObject(bitmap));
    bitmap = -1;
    EXPECT_THROW(surface.CreateDIB(dc, 1 << 30, 1, bitmap), SurfaceOverflowError);
    EXPECT_EQ(bitmap, 0);
    EXPECT_EQ(surface.BytesPerScanLine(), 0);
    gdi::DeleteDC(dc);
}

TEST(AlphaSurface, ApiErrorTextGivesTheSystemsTextsExactly) {
    const std::pair<std::uint32_t, std::string> cases[] = {
        {2, "The system cannot find the file specified.\r\n"},
        {3, "The system cannot find the path specified.\r\n"},
        {5, "Access is denied.\r\n"},
        {32, "The process cannot access the file because it is being used by another "
             "process.\r\n"},
        {39, "The disk is full.\r\n"},
        {112, "There is not enough space on the disk.\r\n"},
        {0, "The operation completed successfully.\r\n"},
        {9999, ""},
        {0xFFFFFFFF, ""},
    };
    for (const auto& [code, text] : cases)
        EXPECT_EQ(cAlphaSurface::ApiErrorText(code), text) << code;
}

} // namespace
