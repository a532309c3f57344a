#include "tests/e2e/screen_program_test.h"

#include "tests/e2e/program_copy.h"

void ScreenProgramTest::SetUp() {
    ASSERT_TRUE(programFolder.isValid());
    ASSERT_TRUE(configuration.isValid());
    QString failed;
    ASSERT_TRUE(copyProgramFolder(folder(), &failed)) << failed.toStdString();
}

void ScreenProgramTest::TearDown() {
    endProcess(program);
}

bool ScreenProgramTest::startScreen(bool needsPointer) {
    if (!screen.start()) {
        ADD_FAILURE() << "Xvfb is needed (Debian packages xvfb and xauth; scripts/setup installs "
                         "them)";
        return false;
    }
    if (needsPointer && !screen.xdotool({"version"})) {
        ADD_FAILURE() << "xdotool is needed (Debian package xdotool; scripts/setup installs it)";
        return false;
    }
    QProcess regsvr;
    regsvr.setProcessEnvironment(screen.environment());
    regsvr.start(folder() + "/regsvr", {folder() + "/libtessel.so"});
    if (!regsvr.waitForFinished(60000) || regsvr.exitCode() != 0) {
        ADD_FAILURE() << "regsvr could not register the card library";
        return false;
    }
    return true;
}

bool ScreenProgramTest::startProgram() {
    program.setProcessEnvironment(screen.environment());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(folder() + "/motorhall");
    return program.waitForStarted(60000);
}
