// Starts the built program in a program folder of sample vehicles on a virtual X server and
// looks at the screen: both panes show the vehicles, a thumbnail and the text of a card.
#include "program_copy.h"
#include "surface/alpha_surface.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Where the window's parts lie, in pixels of the window.
constexpr QSize WindowSize(781, 598);
constexpr QPoint FilesCard(28, 84);
constexpr QPoint GarminCard(421, 84);
constexpr QPoint ThumbnailInCard(6, 6);
constexpr QRect FirstLineInCard(115, 12, 190, 20);

class SampleVehiclesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programFolder.isValid());
        ASSERT_TRUE(configuration.isValid());
        QString failed;
        ASSERT_TRUE(copyProgramFolder(folder(), &failed)) << failed.toStdString();
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", folder()}), 0);
    }

    void TearDown() override {
        for (QProcess* process : {&program, &server}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(30000)) {
                process->kill();
                process->waitForFinished(30000);
            }
        }
    }

    QString folder() const { return programFolder.path(); }

    // Starts Xvfb on a display number it picks itself and gives ":n", or nothing.
    QString startServer() {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            return QString();
        server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        if (!server.waitForStarted(30000))
            return QString();
        QByteArray number;
        while (!number.contains('\n') && server.waitForReadyRead(30000))
            number += server.readAllStandardOutput();
        number = number.trimmed();
        return number.isEmpty() ? QString() : ":" + QString::fromLatin1(number);
    }

    QProcessEnvironment environment(const QString& display) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("WAYLAND_DISPLAY");
        env.insert("XDG_CONFIG_HOME", configuration.path());
        return env;
    }

    QImage grabScreen(const QString& display) const {
        QProcess grab;
        grab.setProcessEnvironment(environment(display));
        const QString file = configuration.path() + "/screen.png";
        grab.start(SCREEN_GRAB_PATH, {file});
        if (!grab.waitForFinished(30000) || grab.exitCode() != 0)
            return QImage();
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir programFolder;
    QTemporaryDir configuration;
    QProcess server;
    QProcess program;
};

// The first vehicle of the folder's listing, as the card shows it: its first frame blended over a
// white cell, centred.
QImage expectedThumbnail(const QString& file) {
    cAlphaSurface vehicle;
    if (vehicle.CreateFromGarminSRF(QFile::encodeName(file).toStdString()) != 1)
        return QImage();
    gdi::DibView view;
    if (!gdi::GetDibView(vehicle.hDC(), &view))
        return QImage();
    QImage cell(100, 100, QImage::Format_RGB32);
    cell.fill(Qt::white);
    const int size = vehicle.Width3D();
    const int offset = (100 - size) / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = view.line(y) + 4 * x;
            const int a = p[3];
            const auto over = [a](int c) { return std::min(255, c + 255 * (255 - a) / 255); };
            cell.setPixel(offset + x, offset + y, qRgb(over(p[2]), over(p[1]), over(p[0])));
        }
    }
    return cell;
}

QString firstListed(const QString& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString())) {
        const QString name = QString::fromStdString(entry.path().filename().string());
        if (name.endsWith(".srf", Qt::CaseInsensitive))
            return name;
    }
    return QString();
}

// Whether the screen shows the vehicle's thumbnail at `at`: the inside of the cell (its first row
// and column lie under the card's frame and the strip's edge) within rounding.
bool showsThumbnail(const QImage& screen, QPoint at, const QImage& expected) {
    for (int y = 1; y < 100; ++y) {
        for (int x = 1; x < 100; ++x) {
            const QRgb s = screen.pixel(at.x() + x, at.y() + y);
            const QRgb e = expected.pixel(x, y);
            if (std::abs(qRed(s) - qRed(e)) > 2 || std::abs(qGreen(s) - qGreen(e)) > 2 ||
                std::abs(qBlue(s) - qBlue(e)) > 2)
                return false;
        }
    }
    return true;
}

// Pixels of the card's cyan text in a box of the text panel.
int textPixels(const QImage& screen, const QRect& box) {
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = screen.pixel(x, y);
            count += qRed(p) < 100 && qGreen(p) > 150 && qBlue(p) > 150;
        }
    }
    return count;
}

TEST_F(SampleVehiclesTest, BothPanesShowTheSampleVehicles) {
    const QString display = startServer();
    ASSERT_FALSE(display.isEmpty())
        << "Xvfb is needed (Debian packages xvfb and xauth; scripts/setup installs them)";
    QProcess regsvr;
    regsvr.setProcessEnvironment(environment(display));
    regsvr.start(folder() + "/regsvr", {folder() + "/libtessel.so"});
    ASSERT_TRUE(regsvr.waitForFinished(60000));
    ASSERT_EQ(regsvr.exitCode(), 0);

    const QString first = firstListed(folder());
    ASSERT_FALSE(first.isEmpty());
    const QImage expected = expectedThumbnail(folder() + "/" + first);
    ASSERT_FALSE(expected.isNull());
    ASSERT_NE(expected.pixel(50, 50), qRgb(255, 255, 255)) << "a vehicle in the middle";

    program.setProcessEnvironment(environment(display));
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(folder() + "/motorhall");
    ASSERT_TRUE(program.waitForStarted(60000));

    // The window is centred on the screen; wait (bounded) until both panes show their vehicles.
    QImage screen;
    QPoint window;
    bool shown = false;
    for (int attempt = 0; attempt < 240 && !shown; ++attempt) {
        ASSERT_EQ(program.state(), QProcess::Running);
        screen = grabScreen(display);
        if (screen.isNull()) {
            QThread::msleep(250);
            continue;
        }
        window = QRect(QPoint(), screen.size()).center() -
                 QPoint(WindowSize.width() / 2, WindowSize.height() / 2);
        shown = showsThumbnail(screen, window + FilesCard + ThumbnailInCard, expected) &&
                showsThumbnail(screen, window + GarminCard + ThumbnailInCard, expected);
        if (!shown)
            QThread::msleep(250);
    }
    if (!shown && !screen.isNull())
        screen.save(configuration.path() + "/last-screen.png");
    ASSERT_TRUE(shown) << "card 1 of each pane does not show " << first.toStdString();
    for (const QPoint card : {FilesCard, GarminCard})
        EXPECT_GT(textPixels(screen, FirstLineInCard.translated(window + card)), 40)
            << "the file name on card 1";
}

} // namespace
