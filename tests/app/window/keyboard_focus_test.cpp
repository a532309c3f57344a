// The window's focus by the keyboard, through the real window: Tab runs through the panes and then
// the buttons in reading order, Space and Return press a focused button as a click does, and the
// focus shows as a ring on a button and a frame on a card only while they have it by the keyboard.
#include "app/toolkit/message_box.h"
#include "tests/app/window/copy_fixture.h"
#include "tests/app/window/pane_fixture.h"

#include <QApplication>
#include <QTest>

namespace {

using KeyboardFocusTest = PaneFixture;

QWidget* focused() {
    return QApplication::focusWidget();
}

QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(KeyboardFocusTest, TabVisitsThePanesThenTheButtonsInReadingOrder) {
    writeVehicles(cars(), 2);
    startOn(cars(), folder() + "/none");
    QWidget* const order[] = {form->VScrollFiles,
                              form->VScrollGarmin,
                              form->TesselFiles->item(1)->widget(),
                              form->TesselFiles->item(2)->widget(),
                              form->imgChangeDir,
                              form->imgRefreshFiles,
                              form->imgChangeGarmin,
                              form->imgFindGarmin,
                              form->imgRefreshGarmin,
                              form->imgMin,
                              form->imgX,
                              form->VScrollFiles};
    // The window comes up with the focus where it always had it.
    EXPECT_EQ(focused(), order[0]);
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), order[i]) << "step " << i;
    }
    // Backwards the same way.
    QTest::keyClick(focused(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), form->imgX);
}

TEST_F(KeyboardFocusTest, ThePreviewsButtonsFollowWhileItShows) {
    writeVehicles(cars(), 1);
    startOn(cars(), folder() + "/none");
    form->state.selectedPane = 0;
    form->state.selectedIndex = 1;
    form->mnuPreviewClick();
    ASSERT_TRUE(form->fraPreview->isVisible());
    form->imgX->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), form->imgRotate);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), form->imgXPreview);
    // Return presses the close button; the preview goes and so do its buttons.
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_FALSE(form->fraPreview->isVisible());
    EXPECT_NE(focused(), form->imgXPreview);
}

TEST_F(KeyboardFocusTest, SpaceAndReturnPressAFocusedButtonAsAClickDoes) {
    writeVehicles(cars(), 1);
    startOn(cars(), folder() + "/none");
    writeVehicle(cars() + "/Car02.srf");
    form->imgRefreshFiles->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(form->state.filesCount, 2);
    // Up again, as after a click.
    EXPECT_EQ(shown(form->imgRefreshFiles), upColour("RefreshButton"));
    writeVehicle(cars() + "/Car03.srf");
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(form->state.filesCount, 3);
    // Other keys press nothing.
    writeVehicle(cars() + "/Car04.srf");
    QTest::keyClick(focused(), Qt::Key_A);
    EXPECT_EQ(form->state.filesCount, 3);
    form->imgX->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_TRUE(form->closed());
}

TEST_F(KeyboardFocusTest, AButtonShowsItsFocusRingOnlyWhileItHasTheFocus) {
    startOn(folder() + "/none", folder() + "/none");
    const QImage before = grabbed(form->imgRefreshFiles);
    form->imgRefreshFiles->setFocus(Qt::TabFocusReason);
    const QImage focusedLook = grabbed(form->imgRefreshFiles);
    EXPECT_NE(focusedLook, before);
    // The ring lies on the edge; the picture inside it is untouched.
    EXPECT_EQ(focusedLook.copy(focusedLook.rect().adjusted(2, 2, -2, -2)),
              before.copy(before.rect().adjusted(2, 2, -2, -2)));
    form->VScrollFiles->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(grabbed(form->imgRefreshFiles), before);
    // A click gives a button no focus. The search it starts finds no navigator and says so.
    AnsweringBox box;
    toolkit::setMessageBox(&box);
    QTest::mouseClick(form->imgFindGarmin, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    toolkit::setMessageBox(nullptr);
    EXPECT_NE(focused(), form->imgFindGarmin);
    EXPECT_EQ(box.shown.size(), 1u);
}

TEST_F(KeyboardFocusTest, ACardShowsItsFocusFrameOnlyWhenFocusedByTheKeyboard) {
    writeVehicles(cars(), 2);
    startOn(cars(), folder() + "/none");
    QWidget* card = form->TesselFiles->item(1)->widget();
    const QImage before = grabbed(card);
    // A click focuses the card and shows it as it always did.
    QTest::mouseClick(card, Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    ASSERT_EQ(focused(), card);
    EXPECT_EQ(grabbed(card), before);
    // Reached by the keyboard, it shows the frame at its edge, outside the selection frame.
    QTest::keyClick(card, Qt::Key_Down);
    QWidget* second = form->TesselFiles->item(2)->widget();
    ASSERT_EQ(focused(), second);
    EXPECT_EQ(grabbed(card), before);
    form->TesselFiles->item(1)->widget()->setFocus(Qt::BacktabFocusReason);
    const QImage framed = grabbed(card);
    EXPECT_NE(framed, before);
    EXPECT_EQ(framed.copy(framed.rect().adjusted(2, 2, -2, -2)),
              before.copy(before.rect().adjusted(2, 2, -2, -2)));
    form->VScrollFiles->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(grabbed(card), before);
}

} // namespace
