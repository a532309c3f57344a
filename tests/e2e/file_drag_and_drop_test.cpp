// Drag and drop between the built program and other programs on a virtual X server, with the mouse
// driven by xdotool: files dragged from a small drag source of the test's own onto the Garmin pane
// are copied to the navigator's folder, and a card dragged out of the window onto a small drop
// target hands it the vehicle's file for a copy.
#include "tests/e2e/screen_program_test.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QUrl>

namespace {

// The helper windows lie beside the centred program window: 100 x 70 pixels each.
constexpr QPoint DragSourceAt(5, 5);
constexpr QPoint DropTargetAt(915, 5);
constexpr QPoint HelperMiddle(50, 35);

class FileDragAndDropTest : public ScreenProgramTest {
protected:
    void SetUp() override {
        ScreenProgramTest::SetUp();
        for (const QString& path : {cars(), device(), downloads()})
            ASSERT_TRUE(QDir().mkpath(path));
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", cars()}), 0);
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", downloads()}), 0);
        QFile settings(folder() + "/init.ini");
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QFile::encodeName(cars()) + "\r\n" + QFile::encodeName(device()) + "\r\n");
    }

    void TearDown() override {
        endProcess(helper);
        ScreenProgramTest::TearDown();
    }

    QString cars() const { return folder() + "/cars"; }
    QString device() const { return folder() + "/device"; }
    QString downloads() const { return folder() + "/downloads"; }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Starts a helper program on the screen and waits until it says its window is shown.
    bool startHelper(const QString& program, const QStringList& arguments) {
        helper.setProcessEnvironment(screen.environment());
        helper.start(program, arguments);
        if (!helper.waitForStarted(60000))
            return false;
        while (!helperOutput.contains("ready\n") && helper.waitForReadyRead(60000))
            helperOutput += helper.readAllStandardOutput();
        return helperOutput.contains("ready\n");
    }

    // Presses the left button at `from`, moves in steps to `to` with pauses that let both
    // programs follow, and lets go there.
    bool dragWithMouse(QPoint from, QPoint to) {
        const auto at = [](QPoint p) {
            return QStringList{QString::number(p.x()), QString::number(p.y())};
        };
        QStringList steps = QStringList{"mousemove"} + at(from) +
                            QStringList{"sleep", "0.3", "mousedown", "1", "sleep", "0.3"};
        for (int i = 1; i <= 8; ++i)
            steps += QStringList{"mousemove"} + at(from + (to - from) * i / 8) +
                     QStringList{"sleep", "0.25"};
        // A last small move over the target, as a hand never stops dead.
        steps += QStringList{"mousemove"} + at(to + QPoint(2, 2)) +
                 QStringList{"sleep", "0.5", "mouseup", "1"};
        return screen.xdotool(steps);
    }

    // Waits until the program shows the first vehicle of the Files pane; the window's place.
    bool programShown(QPoint* window) {
        const QImage expected = expectedThumbnail(cars() + "/" + firstListed(cars()));
        QImage shot;
        if (expected.isNull() || !startProgram() ||
            !waitFor(
                [&](const QImage& s) {
                    return showsThumbnail(s, windowOn(s) + FilesCard + ThumbnailInCard, expected);
                },
                shot))
            return false;
        *window = windowOn(shot);
        return true;
    }

    QProcess helper;
    QByteArray helperOutput;
};

TEST_F(FileDragAndDropTest, FilesDraggedFromAnotherProgramOntoTheGarminPaneAreCopiedThere) {
    ASSERT_TRUE(startScreen(true));
    QPoint window;
    ASSERT_TRUE(programShown(&window)) << "the Files pane never showed its vehicles";
    const QStringList dropped = QDir(downloads()).entryList({"*.srf"}, QDir::Files, QDir::Name);
    ASSERT_GE(dropped.size(), 2);
    const QStringList offered{downloads() + "/" + dropped[1], downloads() + "/" + dropped[0]};
    ASSERT_TRUE(startHelper(FILE_DRAG_SOURCE_PATH, QStringList{QString::number(DragSourceAt.x()),
                                                               QString::number(DragSourceAt.y())} +
                                                       offered));

    ASSERT_TRUE(dragWithMouse(DragSourceAt + HelperMiddle, window + GarminCard + QPoint(150, 400)));

    // The drag source says how the drag ended.
    for (int i = 0; i < 240 && helperOutput.count('\n') < 2; ++i) {
        helper.waitForReadyRead(250);
        helperOutput += helper.readAllStandardOutput();
    }
    EXPECT_EQ(helperOutput, "ready\ncopy\n") << "the window takes the files for a copy";
    for (int i = 0;
         i < 240 && bytesOf(device() + "/" + dropped[0]) != bytesOf(downloads() + "/" + dropped[0]);
         ++i)
        QThread::msleep(250);
    for (const QString& name : {dropped[0], dropped[1]}) {
        EXPECT_EQ(bytesOf(device() + "/" + name), bytesOf(downloads() + "/" + name))
            << name.toStdString();
        EXPECT_TRUE(QFile::exists(downloads() + "/" + name)) << "the offered file stays";
    }
    EXPECT_EQ(QDir(device()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{dropped[0], dropped[1]}))
        << "the two files and no temporary file";

    // The first file offered is on the Garmin pane's first card.
    const QImage expected = expectedThumbnail(offered[0]);
    QImage shot;
    EXPECT_TRUE(waitFor(
        [&](const QImage& s) {
            return showsThumbnail(s, windowOn(s) + GarminCard + QPoint(0, -3) + ThumbnailInCard,
                                  expected);
        },
        shot))
        << "card 1 of the Garmin pane does not show " << dropped[1].toStdString();
}

TEST_F(FileDragAndDropTest, ACardDraggedOutOfTheWindowHandsItsFileToAnotherProgramForACopy) {
    ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", device()}), 0);
    ASSERT_TRUE(startScreen(true));
    QPoint window;
    ASSERT_TRUE(programShown(&window)) << "the Files pane never showed its vehicles";
    const QString received = folder() + "/received.txt";
    ASSERT_TRUE(startHelper(FILE_DROP_TARGET_PATH, {QString::number(DropTargetAt.x()),
                                                    QString::number(DropTargetAt.y()), received}));
    const QString first = firstListed(cars());
    const QByteArray before = bytesOf(cars() + "/" + first);

    for (const auto& [card, pane] :
         {std::pair{FilesCard, cars()}, std::pair{GarminCard, device()}}) {
        SCOPED_TRACE(pane.toStdString());
        QFile::remove(received);
        ASSERT_TRUE(dragWithMouse(window + card + QPoint(200, 50), DropTargetAt + HelperMiddle));
        for (int i = 0; i < 240 && !QFile::exists(received); ++i)
            QThread::msleep(250);
        // The navigator's own file for the Garmin pane, not the copy the window reads in "temp".
        EXPECT_EQ(bytesOf(received),
                  "actions: copy\n" +
                      QUrl::fromLocalFile(pane + "/" + firstListed(pane)).toEncoded() + "\n");
    }
    EXPECT_EQ(bytesOf(cars() + "/" + first), before) << "the dragged vehicle stays";
    EXPECT_EQ(QDir(device()).entryList(QDir::Files).size(),
              QDir(cars()).entryList(QDir::Files).size())
        << "nothing was copied between the panes";
}

} // namespace
