#include "platform/gdi/gdi.h"
#include "platform/gdi/system_colours.h"
#include "platform/picture/memory_bitmap.h"
#include "platform/picture/mouse_codes.h"
#include "platform/picture/ole_colour.h"

#include <gtest/gtest.h>

namespace {

// Paints a rectangle of the given colour with the drawing layer, which leaves the fourth byte 0.
void paintRectangle(gdi::HDC dc, const QRect& area, gdi::COLORREF colour) {
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(colour);
    const gdi::HGDIOBJ oldBrush = gdi::SelectObject(dc, brush);
    const gdi::HGDIOBJ oldPen = gdi::SelectObject(dc, gdi::GetStockObject(gdi::NULL_PEN));
    gdi::Rectangle(dc, area.left(), area.top(), area.right() + 1, area.bottom() + 1);
    gdi::SelectObject(dc, oldBrush);
    gdi::SelectObject(dc, oldPen);
    gdi::DeleteObject(brush);
}

// The pixel's four bytes as they lie in memory; QImage::pixel gives an RGB32 pixel's alpha as 255.
QRgb bytesAt(const QImage& image, int x, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

TEST(MemoryBitmap, TheViewShowsWhatTheDrawingLayerPaintsAndTheOpaqueCopyKeepsItsColours) {
    MemoryBitmap bitmap;
    ASSERT_TRUE(bitmap.create(8, 4));
    const QImage view = bitmap.view();
    paintRectangle(bitmap.hDC(), QRect(2, 1, 3, 2), 0x00336699);
    EXPECT_EQ(bytesAt(view, 2, 1), 0x00996633u);
    EXPECT_EQ(bytesAt(view, 4, 2), 0x00996633u);
    EXPECT_EQ(bytesAt(view, 5, 2), 0x00000000u);
    const QImage shown = bitmap.opaqueCopy();
    EXPECT_EQ(bytesAt(shown, 4, 2), 0xFF996633u);
    EXPECT_EQ(bytesAt(shown, 0, 0), 0xFF000000u);
    // The copy is the screen's, not the bitmap's: the fourth byte in the bitmap stays 0.
    EXPECT_EQ(bytesAt(view, 4, 2), 0x00996633u);
}

TEST(MemoryBitmap, FillAndMakeOpaqueStayInsideTheAreaAndTheBitmap) {
    MemoryBitmap bitmap;
    ASSERT_TRUE(bitmap.create(4, 4));
    bitmap.fill(QRect(2, 2, 10, 10), qRgba(1, 2, 3, 0));
    bitmap.makeOpaque(QRect(-5, -5, 8, 8));
    const QImage view = bitmap.view();
    EXPECT_EQ(bytesAt(view, 3, 3), qRgba(1, 2, 3, 0));
    EXPECT_EQ(bytesAt(view, 2, 2), qRgb(1, 2, 3));
    EXPECT_EQ(bytesAt(view, 1, 1), 0xFF000000u);
    EXPECT_EQ(bytesAt(view, 3, 0), 0x00000000u);
}

TEST(MemoryBitmap, CopiesOnlyFromABitmapOfItsOwnSize) {
    MemoryBitmap source;
    MemoryBitmap sameSize;
    MemoryBitmap otherSize;
    ASSERT_TRUE(source.create(3, 3));
    ASSERT_TRUE(sameSize.create(3, 3));
    ASSERT_TRUE(otherSize.create(3, 2));
    source.fill(QRect(0, 0, 3, 3), qRgb(9, 8, 7));
    sameSize.copyFrom(source);
    otherSize.copyFrom(source);
    EXPECT_EQ(bytesAt(sameSize.view(), 2, 2), qRgb(9, 8, 7));
    EXPECT_EQ(bytesAt(otherSize.view(), 0, 0), 0x00000000u);
}

TEST(MemoryBitmap, AnEmptySizeGivesNoBitmapAndNothingIsLeftBehind) {
    const std::size_t before = gdi::LiveObjectCount();
    {
        MemoryBitmap bitmap;
        ASSERT_TRUE(bitmap.create(5, 5));
        EXPECT_FALSE(bitmap.create(0, 5));
        EXPECT_FALSE(bitmap.isValid());
        EXPECT_EQ(bitmap.hDC(), 0);
        EXPECT_TRUE(bitmap.view().isNull());
        EXPECT_TRUE(bitmap.opaqueCopy().isNull());
        ASSERT_TRUE(bitmap.create(2, 2));
    }
    EXPECT_EQ(gdi::LiveObjectCount(), before);
}

TEST(OleColour, DirectAndSystemColoursAreColoursAndOtherHighBytesAreNot) {
    EXPECT_EQ(qColorFromOle(0x00336699), QColor(0x99, 0x66, 0x33));
    gdi::COLORREF window = 0;
    ASSERT_TRUE(gdi::OleTranslateColor(0x80000005, &window));
    EXPECT_EQ(qColorFromOle(0x80000005), QColor(rgbFromColorRef(window)));
    EXPECT_EQ(qColorFromOle(0x01000000), std::nullopt);
    EXPECT_EQ(rgbFromColorRef(0x00336699), 0xFF996633u);
}

TEST(MouseCodes, ButtonsAndModifiersSumTheirCodes) {
    EXPECT_EQ(mouseButtonsCode(Qt::LeftButton), 1);
    EXPECT_EQ(mouseButtonsCode(Qt::RightButton), 2);
    EXPECT_EQ(mouseButtonsCode(Qt::MiddleButton), 4);
    EXPECT_EQ(mouseButtonsCode(Qt::LeftButton | Qt::MiddleButton), 5);
    EXPECT_EQ(mouseButtonsCode(Qt::BackButton), 0);
    EXPECT_EQ(shiftStateCode(Qt::NoModifier), 0);
    EXPECT_EQ(shiftStateCode(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(shiftStateCode(Qt::ControlModifier | Qt::MetaModifier), 2);
}

} // namespace
