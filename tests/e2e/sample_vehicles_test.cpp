// Starts the built program in a program folder of sample vehicles on a virtual X server and
// looks at the screen: both panes show the vehicles, a thumbnail and the text of a card.
#include "tests/e2e/screen_program_test.h"

#include <QFile>

namespace {

class SampleVehiclesTest : public ScreenProgramTest {
protected:
    void SetUp() override {
        ScreenProgramTest::SetUp();
        ASSERT_EQ(QProcess::execute(SRFTOOL_PATH, {"samples", folder()}), 0);
    }
};

TEST_F(SampleVehiclesTest, BothPanesShowTheSampleVehicles) {
    ASSERT_TRUE(startScreen(false));
    const QString first = firstListed(folder());
    ASSERT_FALSE(first.isEmpty());
    const QImage expected = expectedThumbnail(folder() + "/" + first);
    ASSERT_FALSE(expected.isNull());
    ASSERT_NE(expected.pixel(50, 50), qRgb(255, 255, 255)) << "a vehicle in the middle";
    ASSERT_TRUE(startProgram());

    QImage shot;
    const bool shown =
        waitFor([&](const QImage& s) { return showsInBothPanes(s, expected); }, shot);
    ASSERT_TRUE(shown) << "card 1 of each pane does not show " << first.toStdString();
    for (const QPoint card : {FilesCard, GarminCard})
        EXPECT_GT(textPixels(shot, FirstLineInCard.translated(windowOn(shot) + card)), 40)
            << "the file name on card 1";

    // A termination request closes the window as any close request does: the program saves its
    // folders and ends by itself, with status 0 (also when it is built with the leak checker).
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(folder() + "/init.ini"));
}

} // namespace
