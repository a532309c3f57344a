// The pictures the build put into the program folder's Images folder, as the window loads them.
#include "assets/generator/buttons.h"
#include "assets/generator/skin.h"
#include "assets/generator/watermarks.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImageReader>

namespace {

const QDir imagesFolder(QStringLiteral(MOTORHALL_IMAGES_DIR));

QByteArray fileBytes(const QString& name) {
    QFile file(imagesFolder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage readPicture(const QString& name) {
    QImageReader reader(imagesFolder.filePath(name));
    return reader.read();
}

std::uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

enum class Format { Bmp24, PngWithAlpha, Gif89a };

struct FileCase {
    const char* name;
    Format format;
    int width;
    int height;
};

const FileCase kFileCases[] = {
    {"Skin.bmp", Format::Bmp24, 782, 598},
    {"Garmin760.bmp", Format::Bmp24, 655, 421},
    {"MinButtonUp.bmp", Format::Bmp24, 25, 25},
    {"MinButtonDown.bmp", Format::Bmp24, 25, 25},
    {"XButtonUp.bmp", Format::Bmp24, 25, 25},
    {"XButtonDown.bmp", Format::Bmp24, 25, 25},
    {"GPSButtonUp.bmp", Format::Bmp24, 25, 25},
    {"GPSButtonDown.bmp", Format::Bmp24, 25, 25},
    {"DirButtonUp.bmp", Format::Bmp24, 25, 25},
    {"DirButtonDown.bmp", Format::Bmp24, 25, 25},
    {"RefreshButtonUp.bmp", Format::Bmp24, 75, 25},
    {"RefreshButtonDown.bmp", Format::Bmp24, 75, 25},
    {"RotateButtonUp.bmp", Format::Bmp24, 75, 25},
    {"RotateButtonDown.bmp", Format::Bmp24, 75, 25},
    {"LocalFiles.gif", Format::Gif89a, 236, 150},
    {"GarminFiles.gif", Format::Gif89a, 236, 150},
    {"Icon-16.png", Format::PngWithAlpha, 16, 16},
    {"Icon-22.png", Format::PngWithAlpha, 22, 22},
    {"Icon-24.png", Format::PngWithAlpha, 24, 24},
    {"Icon-32.png", Format::PngWithAlpha, 32, 32},
    {"Icon-48.png", Format::PngWithAlpha, 48, 48},
    {"Icon-64.png", Format::PngWithAlpha, 64, 64},
    {"Icon-128.png", Format::PngWithAlpha, 128, 128},
    {"Icon-256.png", Format::PngWithAlpha, 256, 256},
};

void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

class GeneratedFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(GeneratedFileTest, HasItsExactFormatAndSize) {
    const FileCase c = GetParam();
    const QByteArray bytes = fileBytes(QString::fromLatin1(c.name));
    ASSERT_FALSE(bytes.isEmpty()) << "missing or empty: " << c.name;

    switch (c.format) {
    case Format::Bmp24: {
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(littleEndian(bytes, 2, 4), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(littleEndian(bytes, 18, 4), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(littleEndian(bytes, 22, 4), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(littleEndian(bytes, 28, 2), 24u);
        EXPECT_EQ(littleEndian(bytes, 30, 4), 0u); // uncompressed
        break;
    }
    case Format::Gif89a: {
        ASSERT_GE(bytes.size(), 13);
        EXPECT_EQ(bytes.left(6), QByteArray("GIF89a"));
        EXPECT_EQ(littleEndian(bytes, 6, 2), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(littleEndian(bytes, 8, 2), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(static_cast<std::uint8_t>(bytes.at(10)) & 0x87u, 0x87u); // 256-colour palette
        QImageReader reader(imagesFolder.filePath(QString::fromLatin1(c.name)));
        EXPECT_EQ(reader.imageCount(), 1);
        break;
    }
    case Format::PngWithAlpha: {
        QImageReader reader(imagesFolder.filePath(QString::fromLatin1(c.name)));
        EXPECT_EQ(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        EXPECT_TRUE(image.hasAlphaChannel());
        break;
    }
    }
    const QImage image = readPicture(QString::fromLatin1(c.name));
    EXPECT_EQ(image.size(), QSize(c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(ImagesFolder, GeneratedFileTest, ::testing::ValuesIn(kFileCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

QRgb bandColourOfRow(int y) {
    for (const artwork::SkinBand& band : artwork::kSkinBands)
        if (y >= band.firstRow && y <= band.lastRow)
            return band.colour;
    ADD_FAILURE() << "row " << y << " belongs to no band";
    return 0;
}

TEST(Skin, EveryPixelOutsideTheBannerHasItsBandColour) {
    const QImage skin =
        readPicture(QStringLiteral("Skin.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(skin.size(), QSize(782, 598));
    // The bands as the window's controls expect them, independent of the generator's table.
    EXPECT_EQ(skin.pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_EQ(skin.pixel(781, 50), qRgb(128, 128, 128));
    EXPECT_EQ(skin.pixel(500, 51), qRgb(0, 0, 0));
    EXPECT_EQ(skin.pixel(0, 79), qRgb(0, 0, 0));
    EXPECT_EQ(skin.pixel(300, 80), qRgb(82, 82, 82));
    EXPECT_EQ(skin.pixel(781, 541), qRgb(82, 82, 82));
    EXPECT_EQ(skin.pixel(0, 542), qRgb(0, 0, 0));
    EXPECT_EQ(skin.pixel(781, 597), qRgb(0, 0, 0));

    int wrongPixels = 0;
    for (int y = 0; y < skin.height(); ++y) {
        const QRgb band = bandColourOfRow(y);
        for (int x = 0; x < skin.width(); ++x)
            if (!artwork::kSkinBannerArea.contains(x, y) && skin.pixel(x, y) != band)
                ++wrongPixels;
    }
    EXPECT_EQ(wrongPixels, 0);
}

TEST(Skin, BannerKeepsClearOfTheTitleBandControls) {
    const QRect banner = artwork::kSkinBannerArea;
    EXPECT_GE(banner.top(), 0);
    EXPECT_LE(banner.bottom(), 50);
    EXPECT_FALSE(banner.intersects(QRect(394, 27, 47, 17))) << "version label";
    EXPECT_FALSE(banner.intersects(QRect(714, 3, 60, 25))) << "minimise and close buttons";
}

TEST(Skin, BannerCarriesLightLetteringWithADarkShadow) {
    const QImage skin =
        readPicture(QStringLiteral("Skin.bmp")).convertToFormat(QImage::Format_RGB32);
    int light = 0;
    int dark = 0;
    for (int y = artwork::kSkinBannerArea.top(); y <= artwork::kSkinBannerArea.bottom(); ++y) {
        for (int x = artwork::kSkinBannerArea.left(); x <= artwork::kSkinBannerArea.right(); ++x) {
            const QRgb pixel = skin.pixel(x, y);
            light += qGray(pixel) >= 230;
            dark += qGray(pixel) <= 70;
        }
    }
    // Large lettering covers far more than a few stray pixels.
    EXPECT_GT(light, 1000);
    EXPECT_GT(dark, 200);
}

TEST(NavigatorScreen, TheRouteRunsUpThroughTheVehiclesSquareBetweenTheTwoBars) {
    const QImage screen =
        readPicture(QStringLiteral("Garmin760.bmp")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen.size(), QSize(655, 421));
    const auto routeMagenta = [](QRgb pixel) {
        return qRed(pixel) > 150 && qBlue(pixel) > 150 && qGreen(pixel) < 90;
    };
    // Down the middle of the 80 x 80 square at (291, 207), and on to the map's bottom edge.
    for (int y = 207; y <= 366; ++y)
        EXPECT_TRUE(routeMagenta(screen.pixel(331, y))) << "route at (331, " << y << ")";
    // The square's sides lie off the route, on the map.
    EXPECT_FALSE(routeMagenta(screen.pixel(291, 247)));
    EXPECT_FALSE(routeMagenta(screen.pixel(370, 247)));
    // Dark bars carry light lettering.
    for (const QRect bar : {QRect(0, 0, 655, 58), QRect(0, 367, 655, 54)}) {
        int light = 0;
        int dark = 0;
        for (int y = bar.top(); y <= bar.bottom(); ++y)
            for (int x = bar.left(); x <= bar.right(); ++x) {
                light += qGray(screen.pixel(x, y)) >= 200;
                dark += qGray(screen.pixel(x, y)) <= 100;
            }
        EXPECT_GT(light, 300) << bar.top();
        EXPECT_GT(dark, bar.width() * bar.height() / 2) << bar.top();
    }
}

TEST(Watermarks, DecodeToTheDrawnPictureOnTheWindowColour) {
    for (const artwork::WatermarkPicture& picture : artwork::kWatermarkPictures) {
        SCOPED_TRACE(picture.fileName);
        const QImage decoded = readPicture(QString::fromLatin1(picture.fileName))
                                   .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(decoded.size(), QSize(236, 150));
        EXPECT_EQ(decoded, artwork::drawWatermark(picture));

        bool hasLetterGrey = false;
        bool onlyGreysNoDarkerThanTheLetters = true;
        for (int y = 0; y < decoded.height(); ++y) {
            for (int x = 0; x < decoded.width(); ++x) {
                const QRgb pixel = decoded.pixel(x, y);
                hasLetterGrey |= pixel == qRgb(198, 198, 198);
                onlyGreysNoDarkerThanTheLetters &= qRed(pixel) == qGreen(pixel) &&
                                                   qGreen(pixel) == qBlue(pixel) &&
                                                   qRed(pixel) >= 198;
            }
        }
        EXPECT_TRUE(hasLetterGrey);
        EXPECT_TRUE(onlyGreysNoDarkerThanTheLetters);
        int borderPixelsNotWhite = 0;
        for (int y = 0; y < decoded.height(); ++y)
            for (int x = 0; x < decoded.width(); ++x)
                if ((x == 0 || y == 0 || x == 235 || y == 149) &&
                    decoded.pixel(x, y) != qRgb(255, 255, 255))
                    ++borderPixelsNotWhite;
        EXPECT_EQ(borderPixelsNotWhite, 0);
    }
}

struct ButtonCase {
    const char* stem;
    QRgb corner;
};

// The colour of the band or panel each button sits on.
const ButtonCase kButtonCases[] = {
    {"MinButton", qRgb(128, 128, 128)}, {"XButton", qRgb(128, 128, 128)},
    {"GPSButton", qRgb(0, 0, 0)},       {"DirButton", qRgb(0, 0, 0)},
    {"RefreshButton", qRgb(0, 0, 0)},   {"RotateButton", qRgb(128, 128, 128)},
};

double meanBrightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

TEST(Buttons, LightBlueRoundedOnTheirBandAndVisiblyPressedWhenDown) {
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(c.stem);
        const QString stem = QString::fromLatin1(c.stem);
        const QImage up = readPicture(stem + "Up.bmp").convertToFormat(QImage::Format_RGB32);
        const QImage down = readPicture(stem + "Down.bmp").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(up.isNull());
        ASSERT_EQ(down.size(), up.size());
        for (const QImage* picture : {&up, &down}) {
            const int right = picture->width() - 1;
            const int bottom = picture->height() - 1;
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
                EXPECT_EQ(picture->pixel(corner), c.corner) << corner.x() << "," << corner.y();
            // Light blue just inside the rim, left of any symbol.
            const QRgb face = picture->pixel(3, picture->height() / 2);
            EXPECT_GT(qBlue(face), qRed(face) + 30);
            EXPECT_GT(qBlue(face), 180);
        }
        EXPECT_LT(meanBrightness(down), meanBrightness(up) - 5);
    }
}

TEST(Buttons, EveryButtonHasPicturesOfItsOwn) {
    for (std::size_t i = 0; i < std::size(kButtonCases); ++i) {
        for (std::size_t j = i + 1; j < std::size(kButtonCases); ++j) {
            const QImage a = readPicture(QString::fromLatin1(kButtonCases[i].stem) + "Up.bmp");
            const QImage b = readPicture(QString::fromLatin1(kButtonCases[j].stem) + "Up.bmp");
            EXPECT_NE(a, b) << kButtonCases[i].stem << " and " << kButtonCases[j].stem;
        }
    }
}

TEST(ProgramIcon, TransparentAroundASilverCarAndABlueCaption) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = readPicture(QStringLiteral("Icon-%1.png").arg(size))
                                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0);

        int blue = 0;
        int silver = 0;
        double blueRows = 0;
        double silverRows = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = icon.pixel(x, y);
                if (qAlpha(pixel) < 255)
                    continue;
                if (qBlue(pixel) > 150 && qRed(pixel) < 90) {
                    ++blue;
                    blueRows += y;
                } else if (qRed(pixel) > 180 && qAbs(qRed(pixel) - qBlue(pixel)) < 24) {
                    ++silver;
                    silverRows += y;
                }
            }
        }
        ASSERT_GE(blue, size / 2) << "caption";
        ASSERT_GE(silver, size / 2) << "car";
        EXPECT_GT(blueRows / blue, silverRows / silver) << "the caption lies below the car";
    }
}

} // namespace
