#include "app/toolkit/form_window.h"
#include "app/toolkit/vscroll_bar.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <string>

namespace {

class FormWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Load = [this] {
            log += "load ";
            visibleAtLoad = form.isVisible();
        };
        form.Activate = [this] { log += "activate "; };
        form.KeyDown = [this](int key, int shift) {
            log += "key" + std::to_string(key) + "/" + std::to_string(shift) + " ";
        };
        form.MouseDown = [this](int button, int, float x, float y) {
            log += "down" + std::to_string(button) + "@" + std::to_string(int(x)) + "," +
                   std::to_string(int(y)) + " ";
        };
        form.QueryUnload = [this] { log += "unload "; };
        bar = new toolkit::VScrollBar(&form);
        bar->Move(150, 150, 330, 1500);
        bar->setMin(1);
        bar->setMax(5);
        bar->Change = [this] { log += "change "; };
    }

    void showActive() {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    toolkit::FormWindow form{11715, 8970};
    toolkit::VScrollBar* bar = nullptr;
    std::string log;
    bool visibleAtLoad = true;
};

TEST_F(FormWindowTest, IsBorderlessWithTheFixedClientSize) {
    EXPECT_EQ(form.size(), QSize(781, 598));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST_F(FormWindowTest, LoadsOnceBeforeTheFirstShowAndIsCentred) {
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(log.find("load "), 0u);
    EXPECT_EQ(log.find("load ", 1), std::string::npos);
    EXPECT_FALSE(visibleAtLoad);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(form.geometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(form.geometry().center().y() - area.center().y()), 1);
}

TEST_F(FormWindowTest, EveryActivationIsReported) {
    showActive();
    EXPECT_NE(log.find("activate "), std::string::npos);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    log.clear();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(log, "activate ");
}

TEST_F(FormWindowTest, KeysReachTheFormBeforeTheFocusedControl) {
    showActive();
    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    log.clear();
    QTest::keyClick(bar, Qt::Key_Down, Qt::ShiftModifier);
    // The Shift key itself is a key press too.
    EXPECT_EQ(log, "key16/1 key40/1 change ");
    log.clear();
    QTest::keyClick(bar, Qt::Key_A);
    EXPECT_EQ(log, "key65/0 ");
}

TEST_F(FormWindowTest, KeysWithoutAFocusedControlReachTheForm) {
    showActive();
    form.setFocus();
    log.clear();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(log, "key27/0 ");
}

TEST_F(FormWindowTest, MouseDownOnTheBackgroundGivesButtonAndTwips) {
    showActive();
    log.clear();
    QTest::mousePress(&form, Qt::RightButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mouseRelease(&form, Qt::RightButton, Qt::NoModifier, QPoint(100, 40));
    QTest::mousePress(&form, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    QTest::mouseRelease(&form, Qt::LeftButton, Qt::NoModifier, QPoint(2, 3));
    EXPECT_EQ(log, "down2@1500,600 down1@30,45 ");
}

TEST_F(FormWindowTest, EveryCloseRequestIsAcceptedAndUnloadsOnce) {
    showActive();
    log.clear();
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.unloaded());
    form.close();
    EXPECT_EQ(log, "unload ");
}

} // namespace
