// Starts the built program in a program folder of sample vehicles on a virtual X server and
// looks at the screen: both panes show the vehicles, a thumbnail and the text of a card.
#include "program_copy.h"
#include "virtual_screen.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

class SampleVehiclesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(programFolder.isValid());
        ASSERT_TRUE(configuration.isValid());
        QString failed;
        ASSERT_TRUE(copyProgramFolder(folder(), &failed)) << failed.toStdString();
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", folder()}), 0);
    }

    void TearDown() override { endProcess(program); }

    QString folder() const { return programFolder.path(); }

    QTemporaryDir programFolder;
    QTemporaryDir configuration;
    VirtualScreen screen{configuration.path()};
    QProcess program;
};

TEST_F(SampleVehiclesTest, BothPanesShowTheSampleVehicles) {
    ASSERT_TRUE(screen.start())
        << "Xvfb is needed (Debian packages xvfb and xauth; scripts/setup installs them)";
    QProcess regsvr;
    regsvr.setProcessEnvironment(screen.environment());
    regsvr.start(folder() + "/regsvr", {folder() + "/libtessel.so"});
    ASSERT_TRUE(regsvr.waitForFinished(60000));
    ASSERT_EQ(regsvr.exitCode(), 0);

    const QString first = firstListed(folder());
    ASSERT_FALSE(first.isEmpty());
    const QImage expected = expectedThumbnail(folder() + "/" + first);
    ASSERT_FALSE(expected.isNull());
    ASSERT_NE(expected.pixel(50, 50), qRgb(255, 255, 255)) << "a vehicle in the middle";

    program.setProcessEnvironment(screen.environment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(folder() + "/motorhall");
    ASSERT_TRUE(program.waitForStarted(60000));

    // Wait (bounded) until both panes show their vehicles.
    QImage shot;
    QPoint window;
    bool shown = false;
    for (int attempt = 0; attempt < 240 && !shown; ++attempt) {
        ASSERT_EQ(program.state(), QProcess::Running);
        shot = screen.grab();
        if (shot.isNull()) {
            QThread::msleep(250);
            continue;
        }
        window = screen.windowOn(shot);
        shown = showsThumbnail(shot, window + FilesCard + ThumbnailInCard, expected) &&
                showsThumbnail(shot, window + GarminCard + ThumbnailInCard, expected);
        if (!shown)
            QThread::msleep(250);
    }
    if (!shown && !shot.isNull())
        shot.save(configuration.path() + "/last-screen.png");
    ASSERT_TRUE(shown) << "card 1 of each pane does not show " << first.toStdString();
    for (const QPoint card : {FilesCard, GarminCard})
        EXPECT_GT(textPixels(shot, FirstLineInCard.translated(window + card)), 40)
            << "the file name on card 1";
}

} // namespace
