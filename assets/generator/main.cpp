// Draws the program's artwork into the folder named on the command line; the build runs it to
// fill the program folder's "Images" folder.
#include "assets/generator/artwork_files.h"
#include "assets/generator/artwork_font.h"

#include <cstdio>
#include <QGuiApplication>

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
    if (!artwork::writeArtwork(arguments.at(1), &error)) {
        std::fprintf(stderr, "motorhall_artwork_generator: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
