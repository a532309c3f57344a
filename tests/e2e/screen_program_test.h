// A test of the built program as a user sees it: a copy of the program folder of its own, a
// virtual X server, the card library registered there and the program started on it.
#pragma once

#include "tests/e2e/virtual_screen.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

class ScreenProgramTest : public ::testing::Test {
protected:
    // Copies the built program folder; a test adds its vehicles.
    void SetUp() override;
    void TearDown() override;

    QString folder() const { return programFolder.path(); }
    // Starts the server and registers the card library for it; false (with a reason in the
    // test's output) when that fails.
    bool startScreen(bool needsPointer);
    // Starts the program of the copied program folder on the screen.
    bool startProgram();
    // Grabs the screen (bounded) until `shows` finds what it looks for while the program runs;
    // the last screen in `shot`, kept as last-screen.png in the configuration folder when it
    // never came.
    template <typename Test>
    bool waitFor(Test shows, QImage& shot, int attempts = 240, int pauseMs = 250) {
        for (int attempt = 0; attempt < attempts; ++attempt) {
            if (program.state() != QProcess::Running)
                break;
            shot = screen.grab();
            if (!shot.isNull() && shows(shot))
                return true;
            QThread::msleep(pauseMs);
        }
        if (!shot.isNull())
            shot.save(configuration.path() + "/last-screen.png");
        return false;
    }

    QTemporaryDir programFolder;
    QTemporaryDir configuration;
    VirtualScreen screen{configuration.path()};
    QProcess program;
};
