// Starts the built program in a program folder of sample vehicles on a virtual X server and
// looks at the screen: both panes show the vehicles, a thumbnail and the text of a card.
#include "program_copy.h"
#include "surface/alpha_surface.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
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

QImage expectedThumbnail(const QString& file);
QString firstListed(const QString& folder);
bool showsThumbnail(const QImage& screen, QPoint at, const QImage& expected);

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

    // Moves the pointer, clicks and presses keys on the display, as a user does.
    bool xdotool(const QString& display, const QStringList& arguments) const {
        QProcess tool;
        tool.setProcessEnvironment(environment(display));
        tool.start(QStringLiteral("xdotool"), arguments);
        return tool.waitForFinished(30000) && tool.exitStatus() == QProcess::NormalExit &&
               tool.exitCode() == 0;
    }

    // Registers the card library, starts the program and waits (bounded) until card 1 of the
    // Files pane shows the folder's first vehicle. Gives the window's top-left corner on the
    // screen, or nothing.
    std::optional<QPoint> startShowingFirstVehicle(const QString& display) {
        QProcess regsvr;
        regsvr.setProcessEnvironment(environment(display));
        regsvr.start(folder() + "/regsvr", {folder() + "/libtessel.so"});
        if (!regsvr.waitForFinished(60000) || regsvr.exitCode() != 0)
            return std::nullopt;
        const QImage expected = expectedThumbnail(folder() + "/" + firstListed(folder()));
        program.setProcessEnvironment(environment(display));
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(folder() + "/motorhall");
        if (!program.waitForStarted(60000))
            return std::nullopt;
        for (int attempt = 0; attempt < 240 && program.state() == QProcess::Running; ++attempt) {
            const QImage screen = grabScreen(display);
            if (!screen.isNull()) {
                const QPoint window = QRect(QPoint(), screen.size()).center() -
                                      QPoint(WindowSize.width() / 2, WindowSize.height() / 2);
                if (showsThumbnail(screen, window + FilesCard + ThumbnailInCard, expected))
                    return window;
            }
            QThread::msleep(250);
        }
        return std::nullopt;
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

// Where the preview lies: Plotter in the preview frame, the Rotate button below it.
constexpr QPoint PlotterInWindow(47 + 6, 90 + 7);
constexpr QPoint RotateInWindow(47 + 293, 90 + 430);
// The vehicle's square of the backdrop, shown one pixel up and left in Plotter.
constexpr QPoint VehicleInPlotter(290, 206);

// Frame `frame` of the vehicle (80 x 80) blended over the backdrop's 80 x 80 square at
// (291, 207), as the preview shows it.
QImage expectedPreview(const QString& file, const QImage& backdrop, int frame) {
    cAlphaSurface vehicle;
    if (vehicle.CreateFromGarminSRF(QFile::encodeName(file).toStdString()) != 1 ||
        vehicle.Width3D() != 80)
        return QImage();
    gdi::DibView view;
    if (!gdi::GetDibView(vehicle.hDC(), &view))
        return QImage();
    QImage block(80, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            const std::uint8_t* p = view.line(y) + 4 * (frame * 80 + x);
            const QRgb under = backdrop.pixel(291 + x, 207 + y);
            const int a = p[3];
            const auto over = [a](int c, int d) { return std::min(255, c + d * (255 - a) / 255); };
            block.setPixel(
                x, y,
                qRgb(over(p[2], qRed(under)), over(p[1], qGreen(under)), over(p[0], qBlue(under))));
        }
    }
    return block;
}

bool showsBlock(const QImage& screen, QPoint at, const QImage& block) {
    for (int y = 0; y < block.height(); ++y) {
        for (int x = 0; x < block.width(); ++x) {
            const QRgb s = screen.pixel(at.x() + x, at.y() + y);
            const QRgb e = block.pixel(x, y);
            if (std::abs(qRed(s) - qRed(e)) > 2 || std::abs(qGreen(s) - qGreen(e)) > 2 ||
                std::abs(qBlue(s) - qBlue(e)) > 2)
                return false;
        }
    }
    return true;
}

TEST_F(SampleVehiclesTest, APreviewShowsTheVehicleOnTheNavigatorsScreenAndRotateTurnsIt) {
    const QString display = startServer();
    ASSERT_FALSE(display.isEmpty())
        << "Xvfb is needed (Debian packages xvfb and xauth; scripts/setup installs them)";
    ASSERT_FALSE(QStandardPaths::findExecutable("xdotool").isEmpty())
        << "xdotool is needed to click like a user (scripts/setup installs it)";
    const QImage backdrop =
        QImage(folder() + "/Images/Garmin760.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(backdrop.size(), QSize(655, 421));
    const QString first = folder() + "/" + firstListed(folder());
    const QImage standing = expectedPreview(first, backdrop, 0);
    const QImage turned = expectedPreview(first, backdrop, 1);
    ASSERT_FALSE(standing.isNull());
    ASSERT_NE(standing, turned) << "frames 0 and 1 of the vehicle look alike";

    const std::optional<QPoint> window = startShowingFirstVehicle(display);
    ASSERT_TRUE(window) << "the program does not show its first vehicle";
    const QPoint card = *window + FilesCard + QPoint(200, 50);
    ASSERT_TRUE(xdotool(display, {"mousemove", QString::number(card.x()), QString::number(card.y()),
                                  "click", "3"}));
    QThread::msleep(1000);
    ASSERT_TRUE(xdotool(display, {"key", "Down", "Return"}));

    const QPoint plotter = *window + PlotterInWindow;
    const auto waitFor = [&](const QImage& block) {
        QImage screen;
        for (int attempt = 0; attempt < 120; ++attempt) {
            screen = grabScreen(display);
            if (!screen.isNull() && showsBlock(screen, plotter + VehicleInPlotter, block))
                return true;
            QThread::msleep(100);
        }
        if (!screen.isNull())
            screen.save(configuration.path() + "/last-screen.png");
        return false;
    };
    ASSERT_TRUE(waitFor(standing)) << "the first frame on the backdrop";
    QImage screen = grabScreen(display);
    // Around the vehicle, Plotter shows the backdrop from its pixel (1, 1) on.
    const QImage corner = backdrop.copy(1, 1, 100, 40);
    EXPECT_TRUE(showsBlock(screen, plotter, corner));

    const QPoint rotate = *window + RotateInWindow + QPoint(37, 12);
    ASSERT_TRUE(xdotool(display, {"mousemove", QString::number(rotate.x()),
                                  QString::number(rotate.y()), "mousedown", "1", "mouseup", "1"}));
    // Ten frames a second: frame 1 comes within a fraction of a second, if the screen is grabbed
    // while it stands; the turn goes on, so a few turns give it every chance.
    bool sawTurn = false;
    for (int attempt = 0; attempt < 200 && !sawTurn; ++attempt) {
        screen = grabScreen(display);
        sawTurn = !screen.isNull() && !showsBlock(screen, plotter + VehicleInPlotter, standing) &&
                  showsBlock(screen, plotter, corner);
    }
    EXPECT_TRUE(sawTurn) << "the vehicle does not turn";
}

} // namespace
