// What the card shows: its background, the copied thumbnail, the selection frame, the text
// lines and a loaded picture, checked by the pixels of its rendering.
#include "platform/gdi/gdi.h"
#include "tests/cardctl/card_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace com;
using namespace tessel;

namespace {

VARIANT colour(std::uint32_t value) {
    return variantI4(static_cast<std::int32_t>(value));
}

std::int32_t copyThumbnail(IDispatch* card, std::vector<VARIANT> arguments) {
    VARIANT result;
    EXPECT_EQ(DispatchCall(card, DISPID_BltImageFromContext, std::move(arguments), &result), S_OK);
    EXPECT_EQ(result.vt, VT_I4);
    return result.lVal;
}

// Every pixel where the two renderings differ lies inside one of the boxes.
::testing::AssertionResult changesOnlyInside(const QImage& before, const QImage& after,
                                             std::initializer_list<QRect> boxes) {
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            const bool inside = std::any_of(boxes.begin(), boxes.end(),
                                            [&](const QRect& r) { return r.contains(x, y); });
            if (!inside)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") changed";
        }
    }
    return ::testing::AssertionSuccess();
}

int countPixels(const QImage& image, const QRect& box, QRgb colour) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

const QRect kLineBoxes[] = {QRect(115, 12, 190, 20), QRect(115, 33, 190, 20),
                            QRect(115, 54, 190, 20), QRect(115, 75, 190, 20)};
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

TEST_F(CardTest, ShowsItsBackgroundPictureOverItsBackColour) {
    const QImage card = rendering();
    ASSERT_EQ(card.size(), QSize(310, 114));
    EXPECT_EQ(card.pixel(200, 50), qRgb(0, 0, 0)) << "the text panel";
    EXPECT_EQ(card.pixel(200, 7), qRgb(196, 200, 204)) << "the text panel's light edge";
    EXPECT_EQ(card.pixel(301, 50), qRgb(196, 200, 204)) << "the text panel's light edge";
    EXPECT_EQ(card.pixel(10, 100), qRgb(255, 255, 255)) << "the placeholder";
    const QRgb sign = card.pixel(87, 56);
    EXPECT_TRUE(qRed(sign) > 180 && qGreen(sign) < 60 && qBlue(sign) < 80) << "the red sign";
    const QRgb frame = card.pixel(2, 50);
    EXPECT_TRUE(qRed(frame) > 60 && qRed(frame) < 240 && std::abs(qRed(frame) - qGreen(frame)) < 8)
        << "the grey frame";
    EXPECT_EQ(card.pixel(6, 50), qRgb(0, 0, 0)) << "Shape1 in system colour 8";
    for (int x = 0; x < 310; x += 7)
        ASSERT_EQ(card.pixel(x, 113), qRgb(212, 208, 200)) << "the menu colour below the picture";
}

TEST_F(CardTest, BackColourShowsBelowThePictureAndKeepsTheThumbnail) {
    PatternContext source(200, 200);
    ASSERT_EQ(copyThumbnail(card(), {variantI4(source.dc())}), 1);
    const QImage before = rendering();
    ASSERT_EQ(put(DISPID_BackColor, colour(0x00336699)), S_OK);
    const QImage after = rendering();
    EXPECT_TRUE(changesOnlyInside(before, after, {QRect(0, 113, 310, 1)}));
    EXPECT_EQ(after.pixel(100, 113), qRgb(0x99, 0x66, 0x33));
}

struct CopyCase {
    const char* name;
    std::vector<VARIANT> arguments; // after the device context
    QPoint source;
};

void PrintTo(const CopyCase& c, std::ostream* os) {
    *os << c.name;
}

class ThumbnailCopyTest : public CardTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(ThumbnailCopyTest, CopiesTheBlockExactlyToSixSix) {
    PatternContext source(400, 300);
    const QImage before = rendering();
    std::vector<VARIANT> arguments{variantI4(source.dc())};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    ASSERT_EQ(copyThumbnail(card(), arguments), 1);
    const QImage after = rendering();
    const QPoint from = GetParam().source;
    for (int y = 0; y < 114; ++y) {
        for (int x = 0; x < 310; ++x) {
            QRgb expected = before.pixel(x, y);
            // Shape1's left edge lies over the thumbnail's first column.
            if (x >= 7 && x <= 105 && y >= 6 && y <= 105)
                expected = PatternContext::colourAt(from.x() + x - 6, from.y() + y - 6);
            ASSERT_EQ(after.pixel(x, y), expected) << "at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Card, ThumbnailCopyTest,
    ::testing::Values(
        CopyCase{"OnlyTheContextCopiesFromTheOrigin", {}, QPoint(0, 0)},
        CopyCase{"MissingPositionsAreZero", {variantMissing(), variantMissing()}, QPoint(0, 0)},
        CopyCase{"FromACell", {variantI4(200), variantI4(0)}, QPoint(200, 0)},
        CopyCase{"OnlyX", {variantI4(37)}, QPoint(37, 0)},
        CopyCase{"NumbersInOtherTypes", {variantBstr("150"), variantI2(40)}, QPoint(150, 40)}),
    [](const ::testing::TestParamInfo<CopyCase>& info) { return info.param.name; });

TEST_F(CardTest, TheThumbnailStaysAfterTheSourceIsGoneAndTheCardRepaints) {
    {
        PatternContext source(300, 300);
        ASSERT_EQ(copyThumbnail(card(), {variantI4(source.dc()), variantI4(100), variantI4(100)}),
                  1);
    }
    ASSERT_EQ(site_->setVisible(false), S_OK);
    ASSERT_EQ(site_->setVisible(true), S_OK);
    cardWidget()->repaint();
    const QImage card = rendering();
    EXPECT_EQ(card.pixel(50, 50), PatternContext::colourAt(144, 144));
    EXPECT_EQ(card.pixel(105, 105), PatternContext::colourAt(199, 199));
}

TEST_F(CardTest, AThumbnailPaintedWithoutAlphaShowsOpaqueOverATransparentSurface) {
    // The strip's white is painted by a rectangle call, which leaves 0 in the alpha bytes.
    PatternContext source(100, 100);
    const gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, 1, 0x00FFFFFF);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(0x00FFFFFF);
    const gdi::HGDIOBJ previousPen = gdi::SelectObject(source.dc(), pen);
    const gdi::HGDIOBJ previousBrush = gdi::SelectObject(source.dc(), brush);
    ASSERT_TRUE(gdi::Rectangle(source.dc(), 0, 0, 100, 100));
    gdi::SelectObject(source.dc(), previousPen);
    gdi::SelectObject(source.dc(), previousBrush);
    gdi::DeleteObject(pen);
    gdi::DeleteObject(brush);
    ASSERT_EQ(copyThumbnail(card(), {variantI4(source.dc())}), 1);

    // As a compositor or a grab with transparency draws the card.
    QImage onto(310, 114, QImage::Format_ARGB32_Premultiplied);
    onto.fill(Qt::transparent);
    cardWidget()->render(&onto);
    for (int y = 6; y <= 105; ++y) {
        for (int x = 7; x <= 105; ++x)
            ASSERT_EQ(onto.pixel(x, y), 0xFFFFFFFFu) << "at (" << x << ", " << y << ")";
    }
    for (int y = 0; y < 114; ++y) {
        for (int x = 0; x < 310; ++x)
            ASSERT_EQ(qAlpha(onto.pixel(x, y)), 255) << "at (" << x << ", " << y << ")";
    }
}

TEST_F(CardTest, AContextThatIsNotValidGivesOneAndLeavesThePicture) {
    std::int32_t deleted = 0;
    {
        PatternContext gone(100, 100);
        deleted = gone.dc();
    }
    PatternContext source(300, 300);
    ASSERT_EQ(copyThumbnail(card(), {variantI4(source.dc()), variantI4(20)}), 1);
    const QImage before = rendering();
    for (std::int32_t hDC : {0, -5, deleted, 0x7FFFFFF0})
        EXPECT_EQ(copyThumbnail(card(), {variantI4(hDC)}), 1) << hDC;
    EXPECT_EQ(rendering(), before);
}

TEST_F(CardTest, ASourcePositionThatIsNotANumberGivesZeroAndLeavesThePicture) {
    PatternContext source(300, 300);
    const QImage before = rendering();
    EXPECT_EQ(copyThumbnail(card(), {variantI4(source.dc()), variantBstr("left")}), 0);
    EXPECT_EQ(copyThumbnail(card(), {variantI4(source.dc()), variantI4(0), variantBstr("9e99")}),
              0);
    EXPECT_EQ(rendering(), before);
}

TEST_F(CardTest, SelectedShowsAndHidesTheRedFrame) {
    const QImage unselected = rendering();
    ASSERT_EQ(put(DISPID_Selected, variantBool(true)), S_OK);
    const QImage selected = rendering();
    const QRect frame(1, 1, 306, 110);
    const QRect inside = frame.adjusted(5, 5, -5, -5);
    for (int y = 0; y < 114; ++y) {
        for (int x = 0; x < 310; ++x) {
            const bool onLine = frame.contains(x, y) && !inside.contains(x, y);
            const QRgb expected = onLine ? kRed : unselected.pixel(x, y);
            ASSERT_EQ(selected.pixel(x, y), expected) << "at (" << x << ", " << y << ")";
        }
    }
    ASSERT_EQ(put(DISPID_Selected, variantBool(false)), S_OK);
    EXPECT_EQ(rendering(), unselected);
}

TEST_F(CardTest, TextColorLine3TurnsOnlyLineThreeRed) {
    for (DISPID line : {DISPID_DataLine1, DISPID_DataLine2, DISPID_DataLine3, DISPID_DataLine4})
        ASSERT_EQ(put(line, variantBstr("Putter.srf")), S_OK);
    ASSERT_EQ(put(DISPID_TextColorLine3, colour(0x000000FF)), S_OK);
    const QImage card = rendering();
    for (int i = 0; i < 4; ++i) {
        const int red = countPixels(card, kLineBoxes[i], kRed);
        const int cyan = countPixels(card, kLineBoxes[i], kCyan);
        if (i == 2) {
            EXPECT_GT(red, 20);
            EXPECT_EQ(cyan, 0);
        } else {
            EXPECT_EQ(red, 0) << "line " << i + 1;
            EXPECT_GT(cyan, 20) << "line " << i + 1;
        }
    }
}

TEST_F(CardTest, TextIsCutOffAtItsLinesBox) {
    const QImage before = rendering();
    ASSERT_EQ(put(DISPID_DataLine1, variantBstr(QString(60, u'W'))), S_OK);
    ASSERT_EQ(put(DISPID_DataLine2, variantBstr("Wide\nsecond\nthird\nfourth")), S_OK);
    ASSERT_EQ(put(DISPID_DataLine4, variantBstr(QString(80, u'M'))), S_OK);
    const QImage after = rendering();
    EXPECT_TRUE(changesOnlyInside(before, after, {kLineBoxes[0], kLineBoxes[1], kLineBoxes[3]}));
    EXPECT_GT(countPixels(after, QRect(290, 12, 15, 20), kCyan), 0)
        << "the long line reaches the end of its box";
    EXPECT_GT(countPixels(after, QRect(115, 45, 60, 8), kCyan), 0)
        << "the second text line reaches the bottom of its box";
}

TEST_F(CardTest, AMoveToAnotherSizeKeepsTheCardsSize) {
    ASSERT_EQ(site_->move(10, 20, 200, 50), S_OK);
    EXPECT_EQ(cardWidget()->geometry(), QRect(10, 20, 310, 114));
    cardWidget()->resize(1000, 5);
    EXPECT_EQ(cardWidget()->size(), QSize(310, 114));
}

TEST_F(CardTest, ANewCardIsHiddenUntilTheContainerShowsIt) {
    auto other = ControlSite::create(QString::fromLatin1(kProgId), &window_);
    ASSERT_TRUE(other);
    EXPECT_TRUE(other->widget()->isHidden());
    EXPECT_EQ(other->widget()->parentWidget(), &window_);
}

class LoadImageTest : public CardTest {
protected:
    std::int32_t load(const QString& path, HRESULT expected = S_OK) {
        EXPECT_EQ(put(DISPID_ImageFile, variantBstr(path)), S_OK);
        VARIANT result;
        EXPECT_EQ(DispatchCall(card(), DISPID_LoadImageFromFile, {}, &result), expected);
        return result.lVal;
    }
    QString picture(const char* name, QSize size, QColor fill) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(fill);
        const QString path = folder_.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }
    QTemporaryDir folder_;
};

TEST_F(LoadImageTest, NoFileOrAnEmptyNameGivesZeroAndChangesNothing) {
    const QString hidden = picture(".hidden.bmp", QSize(10, 10), Qt::blue);
    const QImage before = rendering();
    for (const QString& path :
         {QString(), folder_.filePath(QStringLiteral("missing.bmp")), folder_.path(), hidden})
        EXPECT_EQ(load(path), 0) << path.toStdString();
    EXPECT_EQ(rendering(), before);
    EXPECT_EQ(part("ItemImage")->geometry(), QRect(7, 6, 100, 100));
}

TEST_F(LoadImageTest, AValidBitmapShowsUnscaledAtSevenSix) {
    const QColor green(10, 200, 30);
    EXPECT_EQ(load(picture("small.bmp", QSize(20, 10), green)), 1);
    EXPECT_EQ(part("ItemImage")->geometry(), QRect(7, 6, 20, 10));
    const QImage card = rendering();
    EXPECT_EQ(countPixels(card, QRect(7, 6, 20, 10), green.rgb()), 200);
    EXPECT_NE(card.pixel(27, 6), green.rgb());
    EXPECT_NE(card.pixel(7, 16), green.rgb());
}

TEST_F(LoadImageTest, APictureLargerThanTheCardIsCutOffAtItsEdge) {
    const QColor blue(20, 40, 220);
    EXPECT_EQ(load(picture("large.bmp", QSize(500, 300), blue)), 1);
    EXPECT_EQ(part("ItemImage")->geometry(), QRect(7, 6, 303, 108));
    EXPECT_EQ(rendering().pixel(309, 113), blue.rgb());
}

TEST_F(LoadImageTest, AFileThatIsNotAPictureFailsTheCallAndChangesNothing) {
    const QString path = folder_.filePath(QStringLiteral("broken.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM this is not a bitmap");
    file.close();
    const QImage before = rendering();
    load(path, CTL_E_INVALIDPICTURE);
    EXPECT_EQ(rendering(), before);
}

// A bitmap cut short holds fewer rows than its header declares: shown, the missing ones would be
// whatever memory held.
TEST_F(LoadImageTest, ABitmapCutShortFailsTheCallAndChangesNothing) {
    const QString path = picture("cut.bmp", QSize(100, 100), QColor(200, 30, 30));
    QFile file(path);
    ASSERT_TRUE(file.resize(3000));
    const QImage before = rendering();
    load(path, CTL_E_INVALIDPICTURE);
    EXPECT_EQ(rendering(), before);
    EXPECT_EQ(part("ItemImage")->geometry(), QRect(7, 6, 100, 100));
}

} // namespace
