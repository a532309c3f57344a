// A real frmMain over a program folder of the test's own: an Images folder with small bitmaps of
// one colour each (so a test sees which picture a control shows), and the card library registered
// in the test program's own registry.
#pragma once

#include "app/window/frm_main.h"

#include <gtest/gtest.h>
#include <memory>
#include <QColor>
#include <QTemporaryDir>

class FormFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Creates the window; fails the test when it cannot.
    void createForm();
    // Shows the window and waits until it is active (the first activation has then run).
    void showActive();
    QString folder() const { return programFolder_.path(); }
    QString imagePath(const QString& name) const;
    // Writes a bitmap of one colour under Images/.
    void writePicture(const QString& name, QSize size, QColor colour) const;
    void writeSettings(const QByteArray& content) const;
    QByteArray readSettings() const;
    // The colour the control's picture shows at its top-left pixel.
    static QColor shown(const toolkit::ImageControl* image);

    // The colour written for each button picture.
    static QColor upColour(const QString& stem);
    static QColor downColour(const QString& stem);

    QTemporaryDir programFolder_;
    std::unique_ptr<frmMain> form;
};
