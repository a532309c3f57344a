// Looks at the X display from outside, as a user does, for a Motorhall that shows a folder in both
// panes, as it shows its sample vehicles when a user starts it for the first time:
//     sample_vehicles_shown FOLDER [LAST-SCREEN.png]
// Exit 0 once card 1 of both panes shows the first vehicle of FOLDER; 1 when that has not come
// within a minute (the last screen saved to LAST-SCREEN.png when given); 2 when FOLDER holds no
// vehicle or the display cannot be grabbed.
#include "tests/e2e/window_on_screen.h"

#include <cstdio>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fputs("usage: sample_vehicles_shown FOLDER [LAST-SCREEN.png]\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString first = firstListed(folder);
    const QImage expected = first.isEmpty() ? QImage() : expectedThumbnail(folder + '/' + first);
    if (expected.isNull()) {
        std::fprintf(stderr, "sample_vehicles_shown: no vehicle to look for in %s\n", argv[1]);
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        std::fputs("sample_vehicles_shown: the display has no screen\n", stderr);
        return 2;
    }
    QImage shot;
    for (int attempt = 0; attempt < 240; ++attempt) {
        shot = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        if (shot.width() >= WindowSize.width() && shot.height() >= WindowSize.height() &&
            showsInBothPanes(shot, expected))
            return 0;
        QThread::msleep(250);
    }
    std::fprintf(stderr, "sample_vehicles_shown: card 1 of the panes never showed %s\n",
                 qPrintable(first));
    if (argc == 3)
        shot.save(QString::fromLocal8Bit(argv[2]), "PNG");
    return 1;
}
