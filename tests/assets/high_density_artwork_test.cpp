// The double-scale pictures: name@2x.ext beside every picture of Images and of each language
// folder, the same drawing at twice the resolution.
#include "assets/generator/navigator_screen.h"
#include "assets/generator/skin.h"
#include "tests/assets/picture_files.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using artwork_test::formatOf;
using artwork_test::headerSizeOf;
using artwork_test::pictureBytes;
using artwork_test::picturesIn;
using artwork_test::readPicture;

QString twinOf(const QString& name) {
    QString twin = name;
    return twin.insert(name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

bool isTwin(const QString& name) {
    return name.contains(QLatin1String("@2x."));
}

bool isIcon(const QString& name) {
    return name.startsWith(QLatin1String("Icon-"));
}

// Every single-scale picture with a twin, with its folder: Images and the language folders.
QStringList singleScalePictures() {
    QStringList pictures;
    for (const QString& folder :
         {QString(), QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}) {
        for (const QString& name : picturesIn(folder))
            if (!isTwin(name) && !isIcon(name))
                pictures.append(folder.isEmpty() ? name : folder + '/' + name);
    }
    return pictures;
}

// The mean difference of the channels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// Each pixel the rounded mean of the 2 x 2 pixels it stands for.
QImage boxHalved(const QImage& image) {
    QImage half(image.size() / 2, QImage::Format_RGB32);
    for (int y = 0; y < half.height(); ++y) {
        for (int x = 0; x < half.width(); ++x) {
            int red = 0, green = 0, blue = 0;
            for (const QPoint at : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb p = image.pixel(2 * x + at.x(), 2 * y + at.y());
                red += qRed(p);
                green += qGreen(p);
                blue += qBlue(p);
            }
            half.setPixel(x, y, qRgb((red + 2) / 4, (green + 2) / 4, (blue + 2) / 4));
        }
    }
    return half;
}

// The 2 x 2 blocks whose pixels are not all alike; a nearest-neighbour doubling has none.
int blocksWithDetail(const QImage& twin) {
    int blocks = 0;
    for (int y = 0; y + 1 < twin.height(); y += 2) {
        for (int x = 0; x + 1 < twin.width(); x += 2) {
            const QRgb p = twin.pixel(x, y);
            blocks += twin.pixel(x + 1, y) != p || twin.pixel(x, y + 1) != p ||
                      twin.pixel(x + 1, y + 1) != p;
        }
    }
    return blocks;
}

TEST(HighDensityArtwork, EveryPictureButTheIconHasATwinAndEveryTwinItsPicture) {
    const QStringList pictures = singleScalePictures();
    // Images: the skin, the backdrop, two watermarks and twelve button pictures.
    EXPECT_GE(pictures.size(), 16);
    for (const QString& picture : pictures)
        EXPECT_FALSE(pictureBytes(twinOf(picture)).isEmpty())
            << "no twin of " << qPrintable(picture);
    for (const QString& folder :
         {QString(), QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}) {
        for (const QString& name : picturesIn(folder)) {
            if (!isTwin(name))
                continue;
            QString single = name;
            single.remove(QLatin1String("@2x"));
            EXPECT_TRUE(picturesIn(folder).contains(single))
                << qPrintable(name) << " stands alone in '" << qPrintable(folder) << "'";
        }
    }
}

TEST(HighDensityArtwork, TheIconComesInItsEightSizesOnly) {
    // A desktop picks the icon size it needs in device pixels, so a high-density screen takes the
    // next size up: the sizes are the icon's only scales.
    QStringList icons;
    for (const QString& name : picturesIn(QString()))
        if (isIcon(name))
            icons.append(name);
    EXPECT_EQ(icons, QStringList({"Icon-128.png", "Icon-16.png", "Icon-22.png", "Icon-24.png",
                                  "Icon-256.png", "Icon-32.png", "Icon-48.png", "Icon-64.png"}));
}

TEST(HighDensityArtwork, ATwinHasTheFormatOfItsPictureAtTwiceItsWidthAndHeight) {
    for (const QString& picture : singleScalePictures()) {
        SCOPED_TRACE(picture.toStdString());
        const QByteArray single = pictureBytes(picture);
        const QByteArray twin = pictureBytes(twinOf(picture));
        EXPECT_NE(formatOf(single), QStringLiteral("other"));
        EXPECT_EQ(formatOf(twin), formatOf(single));
        EXPECT_EQ(headerSizeOf(twin), headerSizeOf(single) * 2);
        EXPECT_EQ(readPicture(twinOf(picture)).size(), readPicture(picture).size() * 2);
    }
}

TEST(HighDensityArtwork, ATwinIsTheSameDrawingAtTwiceTheResolutionNotAnEnlargement) {
    for (const QString& picture : singleScalePictures()) {
        SCOPED_TRACE(picture.toStdString());
        const QImage single = readPicture(picture);
        const QImage twin = readPicture(twinOf(picture));
        ASSERT_EQ(twin.size(), single.size() * 2);
        // Halved, the twin is the picture but for the last shades of its edges.
        EXPECT_LE(meanDifference(boxHalved(twin), single), 5.0);
        // The edges of lettering and shapes fall inside the picture's pixels.
        EXPECT_GE(blocksWithDetail(twin), single.width() * single.height() / 100);
        EXPECT_NE(twin, single.scaled(twin.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
}

TEST(HighDensityArtwork, TheSkinsTwinKeepsEveryBandOutsideTheBanner) {
    const QImage skin = readPicture(QStringLiteral("Skin@2x.bmp"));
    ASSERT_EQ(skin.size(), QSize(1564, 1196));
    const QRect banner(artwork::kSkinBannerArea.topLeft() * 2, artwork::kSkinBannerArea.size() * 2);
    int wrongPixels = 0;
    for (const artwork::SkinBand& band : artwork::kSkinBands) {
        for (int y = band.firstRow * 2; y < (band.lastRow + 1) * 2; ++y)
            for (int x = 0; x < skin.width(); ++x)
                wrongPixels += !banner.contains(x, y) && skin.pixel(x, y) != band.colour;
    }
    EXPECT_EQ(wrongPixels, 0);
}

TEST(HighDensityArtwork, TheBackdropsTwinRunsTheRouteThroughTheDoubledVehicleSquare) {
    for (const QString& folder : {QString(), QStringLiteral("de/")}) {
        const QImage screen = readPicture(folder + QStringLiteral("Garmin760@2x.bmp"));
        ASSERT_EQ(screen.size(), QSize(1310, 842));
        const auto routeMagenta = [](QRgb pixel) {
            return qRed(pixel) > 150 && qBlue(pixel) > 150 && qGreen(pixel) < 90;
        };
        const QRect square(artwork::kVehicleSquare.topLeft() * 2,
                           artwork::kVehicleSquare.size() * 2);
        const int middle = square.left() + square.width() / 2;
        for (int y = square.top(); y <= 733; ++y)
            EXPECT_TRUE(routeMagenta(screen.pixel(middle, y)))
                << "route at " << middle << ", " << y;
        EXPECT_FALSE(routeMagenta(screen.pixel(square.left(), square.center().y())));
        EXPECT_FALSE(routeMagenta(screen.pixel(square.right(), square.center().y())));
    }
}

} // namespace
