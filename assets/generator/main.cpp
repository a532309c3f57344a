// Draws the program's artwork into the folder named on the command line, in English and in
// every language of the program's translations; the build runs it to fill the program folder's
// "Images" folder.
#include "assets/generator/artwork_files.h"
#include "assets/generator/artwork_font.h"
#include "translations/translation_files.h"

#include <cstdio>
#include <QGuiApplication>
#include <QTranslator>

namespace {

// Every language's words, or nothing when a translation lacks one of them.
std::optional<std::vector<artwork::ArtworkLanguage>> loadLanguages(QString* error) {
    std::vector<artwork::ArtworkLanguage> languages;
    for (const QString& code : translations::languages()) {
        QTranslator translator;
        if (!translator.load(translations::fileOf(code))) {
            *error = QStringLiteral("cannot load the translation %1").arg(code);
            return std::nullopt;
        }
        QString missing;
        std::optional<artwork::Lettering> lettering =
            artwork::Lettering::translated(translator, &missing);
        if (!lettering) {
            *error = QStringLiteral("the translation %1 has no finished text for \"%2\" in the "
                                    "context %3")
                         .arg(code, missing, QLatin1String(artwork::wordContext));
            return std::nullopt;
        }
        languages.push_back({code, std::move(*lettering)});
    }
    return languages;
}

} // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: motorhall_artwork_generator <output folder>\n");
        return 2;
    }
    if (!artwork::artworkFontIsInstalled()) {
        std::fprintf(stderr, "warning: neither Liberation Sans nor Arial is installed; the "
                             "lettering uses a substitute font\n");
    }
    QString error;
    const std::optional<std::vector<artwork::ArtworkLanguage>> languages = loadLanguages(&error);
    if (!languages || !artwork::writeArtwork(arguments.at(1), *languages, &error)) {
        std::fprintf(stderr, "motorhall_artwork_generator: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
