// Drags a card of the built program with the mouse on a virtual X server: a sample vehicle of
// the Files pane dropped on the Garmin pane lands in the navigator's folder, whole, and the Garmin
// pane's first card shows it.
#include "tests/e2e/screen_program_test.h"

#include <QDir>
#include <QFile>
#include <QThread>

namespace {

// A copy into an empty pane places card 1 by the card placement rule: at the very top of the
// column, 3 pixels above where the window's layout first puts it.
constexpr QPoint PlacedGarminCard(421, 81);

class VehicleDragTest : public ScreenProgramTest {
protected:
    void SetUp() override {
        ScreenProgramTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(cars()));
        ASSERT_TRUE(QDir().mkpath(device()));
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", cars()}), 0);
        QFile settings(folder() + "/init.ini");
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(device()) + "\r\n");
    }

    QString cars() const { return folder() + "/cars"; }
    QString device() const { return folder() + "/device"; }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(VehicleDragTest, ACardDraggedOntoTheGarminPaneCopiesItsVehicleThere) {
    ASSERT_TRUE(startScreen(true));
    const QString first = firstListed(cars());
    ASSERT_FALSE(first.isEmpty());
    const QImage expected = expectedThumbnail(cars() + "/" + first);
    ASSERT_FALSE(expected.isNull());

    ASSERT_TRUE(startProgram());
    QImage shot;
    ASSERT_TRUE(waitFor(
        [&](const QImage& s) {
            return showsThumbnail(s, windowOn(s) + FilesCard + ThumbnailInCard, expected);
        },
        shot))
        << "the Files pane never showed " << first.toStdString();
    EXPECT_FALSE(showsThumbnail(shot, windowOn(shot) + GarminCard + ThumbnailInCard, expected))
        << "the navigator's folder is empty";

    // Pressed on the card's text, moved in steps, let go over the empty foot of the Garmin column.
    const QPoint window = windowOn(shot);
    const QPoint from = window + FilesCard + QPoint(200, 50);
    const QPoint to = window + GarminCard + QPoint(150, 400);
    const auto at = [](QPoint p) {
        return QStringList{QString::number(p.x()), QString::number(p.y())};
    };
    QStringList steps = QStringList{"mousemove"} + at(from) +
                        QStringList{"sleep", "0.3", "mousedown", "1", "sleep", "0.3"};
    for (int i = 1; i <= 4; ++i)
        steps +=
            QStringList{"mousemove"} + at(from + (to - from) * i / 4) + QStringList{"sleep", "0.2"};
    steps += QStringList{"mouseup", "1"};
    ASSERT_TRUE(screen.xdotool(steps));

    const QString copied = device() + "/" + first;
    for (int i = 0; i < 240 && bytesOf(copied) != bytesOf(cars() + "/" + first); ++i)
        QThread::msleep(250);
    EXPECT_EQ(bytesOf(copied), bytesOf(cars() + "/" + first));
    EXPECT_EQ(QDir(device()).entryList(QDir::Files | QDir::Hidden), QStringList{first})
        << "no temporary file is left";
    const bool shown = waitFor(
        [&](const QImage& s) {
            return showsThumbnail(s, windowOn(s) + PlacedGarminCard + ThumbnailInCard, expected);
        },
        shot);
    EXPECT_TRUE(shown) << "card 1 of the Garmin pane does not show " << first.toStdString();
    EXPECT_GT(textPixels(shot, FirstLineInCard.translated(windowOn(shot) + PlacedGarminCard)), 40)
        << "the file name on the Garmin pane's card 1";
}

} // namespace
