// Which file of an Images folder shows a picture for a language and a device pixel ratio, and the
// picture read at that ratio: the language's folder before the common one, the double-scale file
// above ratio 1, scaled down smoothly between 1 and 2.
#include "platform/picture/picture_choice.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

namespace {

struct ChoiceCase {
    const char* name;
    std::vector<const char*> files; // below the Images folder
    const char* language;
    qreal ratio;
    const char* chosen; // below the Images folder
};

const ChoiceCase kChoices[] = {
    {"SingleScaleAtRatioOne", {"B.bmp", "B@2x.bmp"}, "", 1.0, "B.bmp"},
    {"DoubleScaleAtRatioTwo", {"B.bmp", "B@2x.bmp"}, "", 2.0, "B@2x.bmp"},
    {"DoubleScaleAtAFractionalRatio", {"B.bmp", "B@2x.bmp"}, "", 1.25, "B@2x.bmp"},
    {"SingleScaleWithoutADoubleOne", {"B.bmp"}, "", 2.0, "B.bmp"},
    {"LanguageFolderFirst", {"B.bmp", "de/B.bmp"}, "de", 1.0, "de/B.bmp"},
    {"LanguageFolderAtRatioTwo",
     {"B.bmp", "B@2x.bmp", "de/B.bmp", "de/B@2x.bmp"},
     "de",
     2.0,
     "de/B@2x.bmp"},
    {"LanguageWithoutThePicture", {"B.bmp", "B@2x.bmp", "de/Other.bmp"}, "de", 2.0, "B@2x.bmp"},
    {"AnotherLanguagesFolderUnused", {"B.bmp", "fr/B.bmp"}, "de", 1.0, "B.bmp"},
    {"EnglishUsesNoFolder", {"B.bmp", "de/B.bmp"}, "", 1.0, "B.bmp"},
    {"ALanguageThatIsAPathIsNone", {"B.bmp", "de/B.bmp"}, "../Images/de", 1.0, "B.bmp"},
    {"MissingEverywhere", {}, "de", 2.0, "B.bmp"},
};

class PictureChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(PictureChoiceTest, ChoosesTheFile) {
    const ChoiceCase& c = GetParam();
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString images = dir.path() + QStringLiteral("/Images");
    for (const char* file : c.files) {
        const QString path = images + QLatin1Char('/') + QString::fromLatin1(file);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QImage picture(4, 4, QImage::Format_RGB888);
        picture.fill(Qt::gray);
        ASSERT_TRUE(picture.save(path, "BMP"));
    }
    EXPECT_EQ(choosePictureFile(images, QStringLiteral("B.bmp"), QString::fromLatin1(c.language),
                                c.ratio),
              images + QLatin1Char('/') + QString::fromLatin1(c.chosen));
}

INSTANTIATE_TEST_SUITE_P(Files, PictureChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScaleCase {
    const char* name;
    qreal ratio;
    QSize deviceSize; // of a 40 x 20 picture
    QColor colour;    // blue from the single-scale file, red from the double-scale one
};

const ScaleCase kScales[] = {
    {"One", 1.0, {40, 20}, Qt::blue},        {"OneAndAQuarter", 1.25, {50, 25}, Qt::red},
    {"OneAndAHalf", 1.5, {60, 30}, Qt::red}, {"Two", 2.0, {80, 40}, Qt::red},
    {"Three", 3.0, {80, 40}, Qt::red},
};

class PictureScaleTest : public ::testing::TestWithParam<ScaleCase> {};

// The picture keeps its single-scale size in logical pixels at every ratio.
TEST_P(PictureScaleTest, KeepsTheLogicalSize) {
    const ScaleCase& c = GetParam();
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage single(40, 20, QImage::Format_RGB888);
    single.fill(Qt::blue);
    ASSERT_TRUE(single.save(dir.path() + QStringLiteral("/P.bmp"), "BMP"));
    // Red with a black column at the right edge: scaled smoothly, the column blends into its
    // neighbour instead of standing as a copy of pixels.
    QImage doubled(80, 40, QImage::Format_RGB888);
    doubled.fill(Qt::red);
    for (int y = 0; y < 40; ++y)
        doubled.setPixelColor(79, y, Qt::black);
    ASSERT_TRUE(doubled.save(dir.path() + QStringLiteral("/P@2x.bmp"), "BMP"));

    const QImage picture =
        readChosenPicture(dir.path(), QStringLiteral("P.bmp"), QString(), c.ratio);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), c.deviceSize);
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), std::min(c.ratio, 2.0));
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(40, 20));
    EXPECT_EQ(picture.pixelColor(10, 10).rgb(), c.colour.rgb());
    if (c.ratio > 1.0 && c.ratio < 2.0) {
        const QColor edge = picture.pixelColor(picture.width() - 1, 10);
        EXPECT_GT(edge.red(), 0) << "the edge column is blended, not copied";
        EXPECT_LT(edge.red(), 255);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, PictureScaleTest, ::testing::ValuesIn(kScales),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PictureChoice, AMissingPictureIsNull) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(
        readChosenPicture(dir.path(), QStringLiteral("P.bmp"), QStringLiteral("de"), 2.0).isNull());
}

} // namespace
