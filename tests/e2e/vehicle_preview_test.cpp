// Previews a sample vehicle in the built program on a virtual X server, as a user does: a right
// click on a card, "Preview Vehicle", the vehicle standing on the navigator's screen, and Rotate
// turning it.
#include "surface/alpha_surface.h"
#include "tests/e2e/screen_program_test.h"

#include <algorithm>
#include <QFile>

namespace {

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

class VehiclePreviewTest : public ScreenProgramTest {
protected:
    void SetUp() override {
        ScreenProgramTest::SetUp();
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", folder()}), 0);
    }
};

TEST_F(VehiclePreviewTest, ShowsTheVehicleOnTheNavigatorsScreenAndRotateTurnsIt) {
    ASSERT_TRUE(startScreen(true));

    const QImage backdrop =
        QImage(folder() + "/Images/Garmin760.bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(backdrop.size(), QSize(655, 421));
    const QString first = folder() + "/" + firstListed(folder());
    const QImage thumbnail = expectedThumbnail(first);
    const QImage standing = expectedPreview(first, backdrop, 0);
    const QImage turned = expectedPreview(first, backdrop, 1);
    ASSERT_FALSE(standing.isNull());
    ASSERT_NE(standing, turned) << "frames 0 and 1 of the vehicle look alike";

    ASSERT_TRUE(startProgram());
    QImage shot;
    QPoint window;
    ASSERT_TRUE(waitFor(
        [&](const QImage& s) {
            window = windowOn(s);
            return showsThumbnail(s, window + FilesCard + ThumbnailInCard, thumbnail);
        },
        shot, 240, 250))
        << "the program does not show its first vehicle";

    const QPoint card = window + FilesCard + QPoint(200, 50);
    ASSERT_TRUE(screen.xdotool(
        {"mousemove", QString::number(card.x()), QString::number(card.y()), "click", "3"}));
    QThread::msleep(1000);
    ASSERT_TRUE(screen.xdotool({"key", "Down", "Return"}));

    const QPoint plotter = window + PlotterInWindow;
    ASSERT_TRUE(waitFor(
        [&](const QImage& s) { return showsBlock(s, plotter + VehicleInPlotter, standing); }, shot,
        120, 100))
        << "the first frame on the backdrop";
    // Around the vehicle, Plotter shows the backdrop from its pixel (1, 1) on.
    const QImage corner = backdrop.copy(1, 1, 100, 40);
    EXPECT_TRUE(showsBlock(shot, plotter, corner));

    const QPoint rotate = window + RotateInWindow + QPoint(37, 12);
    ASSERT_TRUE(screen.xdotool({"mousemove", QString::number(rotate.x()),
                                QString::number(rotate.y()), "mousedown", "1", "mouseup", "1"}));
    // Ten frames a second: the turn goes on, so a few grabs give every chance to see it.
    EXPECT_TRUE(waitFor(
        [&](const QImage& s) {
            return !showsBlock(s, plotter + VehicleInPlotter, standing) &&
                   showsBlock(s, plotter, corner);
        },
        shot, 200, 0))
        << "the vehicle does not turn";
}

} // namespace
