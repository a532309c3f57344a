// Saves what the X display shows as a PNG file: screen_grab <file>. Another program's window can
// only be seen this way, so the end-to-end test runs the program on a virtual X server and looks
// at the screen. Exit code 0 when the file was written.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    QGuiApplication application(argc, argv);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1;
    const QPixmap shot = screen->grabWindow(0);
    return !shot.isNull() && shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
