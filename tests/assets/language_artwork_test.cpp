// The pictures of each language: where a language's words change a drawing, its copy in
// Images/<language>, drawn from the language's words in the program's translations.
#include "assets/generator/artwork_files.h"
#include "assets/generator/artwork_words.h"
#include "assets/generator/buttons.h"
#include "assets/generator/navigator_screen.h"
#include "assets/generator/watermarks.h"
#include "tests/assets/picture_files.h"
#include "translations/translation_files.h"

#include <gtest/gtest.h>
#include <map>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <set>

namespace {

using artwork::Lettering;
using artwork::Word;
using artwork_test::pictureBytes;
using artwork_test::picturesIn;
using artwork_test::readPicture;

const QStringList kLanguages = {"de", "es", "fr"};

// The pictures that carry words: the Refresh and Rotate buttons, the watermarks and the
// backdrop's readouts. The skin and the icon carry the program's name, the other buttons
// symbols.
const QStringList kLetteredPictures = {
    "Garmin760.bmp",          "Garmin760@2x.bmp",         "GarminFiles.gif",
    "GarminFiles@2x.gif",     "LocalFiles.gif",           "LocalFiles@2x.gif",
    "RefreshButtonDown.bmp",  "RefreshButtonDown@2x.bmp", "RefreshButtonUp.bmp",
    "RefreshButtonUp@2x.bmp", "RotateButtonDown.bmp",     "RotateButtonDown@2x.bmp",
    "RotateButtonUp.bmp",     "RotateButtonUp@2x.bmp",
};

// The mean difference of the channels, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 255;
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

Lettering letteringOf(const QString& language) {
    QTranslator translator;
    EXPECT_TRUE(translator.load(translations::fileOf(language))) << qPrintable(language);
    QString missing;
    const std::optional<Lettering> lettering = Lettering::translated(translator, &missing);
    EXPECT_TRUE(lettering) << qPrintable(language) << " lacks \"" << qPrintable(missing) << '"';
    return lettering.value_or(Lettering::english());
}

TEST(LanguageArtwork, TheProgramIsTranslatedIntoGermanSpanishAndFrench) {
    EXPECT_EQ(translations::languages(), kLanguages);
}

// Words a language writes as English does; any other word left in English is a slip.
const std::map<QString, std::vector<Word>> sameAsEnglish = {
    {"fr", {Word::Distance}},
};

TEST(LanguageArtwork, EveryLanguageHasAllTheArtworksWordsOfItsOwn) {
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        const Lettering lettering = letteringOf(language);
        for (std::size_t i = 0; i < artwork::wordSources.size(); ++i) {
            const Word word = static_cast<Word>(i);
            const auto same = sameAsEnglish.find(language);
            const bool mayBeEnglish =
                same != sameAsEnglish.end() &&
                std::find(same->second.begin(), same->second.end(), word) != same->second.end();
            EXPECT_FALSE(lettering.text(word).isEmpty()) << artwork::wordSources[i].text;
            EXPECT_EQ(lettering.text(word) == Lettering::english().text(word), mayBeEnglish)
                << artwork::wordSources[i].text << " is " << qPrintable(lettering.text(word));
        }
        // The watermarks are drawn on two lines.
        for (const Word name : {Word::LocalFiles, Word::GarminFiles})
            EXPECT_EQ(lettering.text(name).count(QLatin1Char('\n')), 1);
    }
}

TEST(LanguageArtwork, EveryWordIsDrawnIntoAPictureThatNamesIt) {
    // A picture gets a language's copy when one of the words it names is the language's own.
    std::set<Word> drawn;
    for (const int scale : {artwork::singleScale, artwork::doubleScale}) {
        for (const artwork::ArtworkFile& file : artwork::artworkFiles(Lettering::english(), scale))
            drawn.insert(file.words.begin(), file.words.end());
    }
    EXPECT_EQ(drawn.size(), artwork::wordSources.size());
}

TEST(LanguageArtwork, ATranslationWithoutTheArtworksWordsDrawsNothing) {
    const QTranslator empty;
    QString missing;
    EXPECT_FALSE(Lettering::translated(empty, &missing));
    EXPECT_EQ(missing, QStringLiteral("Refresh"));
}

TEST(LanguageArtwork, EachLanguageFolderHoldsExactlyThePicturesWithWords) {
    for (const QString& language : kLanguages)
        EXPECT_EQ(picturesIn(language), kLetteredPictures) << qPrintable(language);
}

TEST(LanguageArtwork, ALanguagesPicturesDifferFromTheEnglishOnes) {
    for (const QString& language : kLanguages) {
        for (const QString& name : kLetteredPictures) {
            SCOPED_TRACE((language + '/' + name).toStdString());
            const QImage translated = readPicture(language + '/' + name);
            const QImage english = readPicture(name);
            ASSERT_FALSE(translated.isNull());
            EXPECT_EQ(translated.size(), english.size());
            EXPECT_NE(translated, english);
        }
    }
}

// The columns of the lettering's dark ink inside the rim, from the first to the last.
std::pair<int, int> inkColumns(const QImage& button, int scale) {
    int first = button.width();
    int last = -1;
    for (int y = 5 * scale; y < button.height() - 5 * scale; ++y) {
        for (int x = 2 * scale; x < button.width() - 2 * scale; ++x) {
            if (qGray(button.pixel(x, y)) < 60) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

TEST(LanguageArtwork, AButtonsWordFitsInsideItsFaceInEveryLanguage) {
    for (const QString& folder : QStringList{QString()} + kLanguages) {
        for (const char* stem : {"RefreshButton", "RotateButton"}) {
            for (const char* state : {"Up", "Down"}) {
                for (const int scale : {artwork::singleScale, artwork::doubleScale}) {
                    const QString name =
                        artwork::scaledFileName(QString::fromLatin1(stem) + state + ".bmp", scale);
                    SCOPED_TRACE((folder + '/' + name).toStdString());
                    const QImage button =
                        readPicture(folder.isEmpty() ? name : folder + '/' + name);
                    ASSERT_EQ(button.size(), QSize(75, 25) * scale);
                    // Four pixels clear of either side, the rim's two and two more.
                    const auto [first, last] = inkColumns(button, scale);
                    EXPECT_GE(first, 4 * scale);
                    EXPECT_LT(last, button.width() - 4 * scale);
                    EXPECT_GT(last - first, 20 * scale) << "a word, not a stray pixel";
                }
            }
        }
    }
}

TEST(LanguageArtwork, ALanguagesPicturesAreDrawnFromItsWords) {
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        const Lettering lettering = letteringOf(language);
        for (const int scale : {artwork::singleScale, artwork::doubleScale}) {
            const auto named = [&](const char* name) {
                return language + '/' + artwork::scaledFileName(QString::fromLatin1(name), scale);
            };
            for (const artwork::WatermarkPicture& picture : artwork::kWatermarkPictures) {
                const QImage file = readPicture(named(picture.fileName));
                const QImage drawn = artwork::drawWatermark(picture, lettering, scale);
                if (scale == artwork::singleScale) {
                    EXPECT_EQ(file, drawn) << picture.fileName;
                } else {
                    // Letters this large are filled from their outlines, which the font system
                    // places a shade differently once it has drawn other text.
                    EXPECT_LE(meanDifference(file, drawn), 0.5) << picture.fileName;
                }
            }
            for (const artwork::ButtonPicture& button : artwork::kButtonPictures) {
                if (!std::holds_alternative<Word>(button.face))
                    continue;
                const QString stem = QString::fromLatin1(button.fileStem);
                EXPECT_EQ(readPicture(named(qPrintable(stem + "Up.bmp"))),
                          artwork::drawButton(button, false, lettering, scale))
                    << button.fileStem;
            }
            // The bars hold the navigator's words; the map between them its street names.
            const QImage screen = readPicture(named("Garmin760.bmp"));
            const QImage drawn = artwork::drawNavigatorScreen(lettering, scale)
                                     .convertToFormat(QImage::Format_RGB32);
            for (const QRect bar : {artwork::kTopBar, artwork::kBottomBar}) {
                const QRect pixels(bar.topLeft() * scale, bar.size() * scale);
                EXPECT_EQ(screen.copy(pixels), drawn.copy(pixels)) << bar.top();
            }
        }
    }
}

TEST(LanguageArtwork, ALanguageThatWritesEveryWordAsEnglishGetsNoCopiesAndLosesOldOnes) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString images = scratch.filePath(QStringLiteral("Images"));
    ASSERT_TRUE(QDir().mkpath(images + QStringLiteral("/en")));
    QFile old(images + QStringLiteral("/en/LocalFiles.gif"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("from an earlier run");
    old.close();

    QString error;
    ASSERT_TRUE(
        artwork::writeArtwork(images, {{QStringLiteral("en"), Lettering::english()}}, &error))
        << qPrintable(error);
    EXPECT_EQ(QDir(images + QStringLiteral("/en")).entryList(QDir::Files), QStringList());
    EXPECT_FALSE(QDir(images).entryList(QDir::Files).isEmpty());
}

} // namespace
