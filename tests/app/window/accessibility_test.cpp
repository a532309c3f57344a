// The window as a screen reader sees it, through Qt's accessibility in the real window: its name,
// the buttons with their roles, names, Press action and states, the card columns as lists of the
// vehicles they show, the folder labels, the overlay's messages, the preview picture, and the
// tooltips.
#include "tests/app/window/pane_fixture.h"

#include <QAccessible>
#include <QTest>

namespace {

using AccessibilityTest = PaneFixture;

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

TEST_F(AccessibilityTest, TheWindowIsNamedMotorhallAndKeepsItsText) {
    startOn(folder() + "/none", folder() + "/none");
    EXPECT_EQ(nameOf(form->window()), "Motorhall");
    EXPECT_EQ(form->window()->windowTitle(), "QRB");
}

TEST_F(AccessibilityTest, EveryButtonPictureIsANamedButtonWithThePressAction) {
    startOn(folder() + "/none", folder() + "/none");
    const struct {
        toolkit::ImageControl* button;
        const char* name;
    } buttons[] = {
        {form->imgChangeDir, "Choose the local folder"},
        {form->imgChangeGarmin, "Choose the navigator folder"},
        {form->imgFindGarmin, "Find the navigator"},
        {form->imgRefreshFiles, "Refresh the local files"},
        {form->imgRefreshGarmin, "Refresh the navigator's files"},
        {form->imgMin, "Minimise"},
        {form->imgX, "Close"},
        {form->imgRotate, "Rotate"},
        {form->imgXPreview, "Close the preview"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        QAccessibleInterface* button = accessible(b.button);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_EQ(button->text(QAccessible::Name), b.name);
        ASSERT_NE(button->actionInterface(), nullptr);
        EXPECT_EQ(button->actionInterface()->actionNames(),
                  QStringList{QAccessibleActionInterface::pressAction()});
        EXPECT_TRUE(button->state().focusable);
        EXPECT_EQ(b.button->toolTip(), b.name);
    }
    // Pictures that are no buttons stay what they were.
    EXPECT_NE(accessible(form->imgLocalFiles)->role(), QAccessible::Button);
}

TEST_F(AccessibilityTest, PressRefreshesAndRotateReportsItsCheckedState) {
    writeVehicles(cars(), 1);
    startOn(cars(), folder() + "/none");
    writeVehicle(cars() + "/Car02.srf");
    accessible(form->imgRefreshFiles)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->state.filesCount, 2);

    form->state.selectedPane = 0;
    form->state.selectedIndex = 1;
    form->mnuPreviewClick();
    QAccessibleInterface* rotate = accessible(form->imgRotate);
    EXPECT_TRUE(rotate->state().checkable);
    EXPECT_FALSE(rotate->state().checked);
    rotate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_TRUE(rotate->state().checked);
    EXPECT_TRUE(rotate->state().pressed);
    rotate->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(rotate->state().checked);
    // The preview picture names its vehicle.
    QAccessibleInterface* picture = accessible(form->Plotter);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Preview of Car01.srf");
}

TEST_F(AccessibilityTest, EachCardColumnIsAListOfTheVehiclesItsCardsShow) {
    writeVehicles(cars(), 6);
    writeVehicles(device(), 2, "Nav");
    startOn(cars(), device());
    const struct {
        std::uint8_t pane;
        QWidget* column;
        const char* name;
        int shown;
    } columns[] = {{0, form->imgFilesCardsArea, "Local Files", 4},
                   {1, form->imgGarminCardsArea, "Garmin Files", 2}};
    for (const auto& c : columns) {
        SCOPED_TRACE(c.name);
        QAccessibleInterface* list = accessible(c.column);
        EXPECT_EQ(list->role(), QAccessible::List);
        EXPECT_EQ(list->text(QAccessible::Name), c.name);
        ASSERT_EQ(list->childCount(), c.shown);
        for (int i = 0; i < c.shown; ++i) {
            const toolkit::CardElement* card = cards(c.pane).item(i + 1);
            QAccessibleInterface* item = list->child(i);
            EXPECT_EQ(item->object(), card->widget());
            EXPECT_EQ(item->role(), QAccessible::ListItem);
            EXPECT_EQ(item->text(QAccessible::Name), cardLine(card, 1) + ", " + cardLine(card, 2) +
                                                         ", " + cardLine(card, 3) + ", " +
                                                         cardLine(card, 4));
            EXPECT_EQ(item->parent()->object(), c.column);
            EXPECT_EQ(list->indexOfChild(item), i);
            const QString folder = c.pane == 0 ? cars() : device();
            EXPECT_EQ(card->widget()->toolTip(), folder + "/" + cardLine(card, 1));
        }
    }
    // The cards are reached through their lists only.
    QAccessibleInterface* window = accessible(form->window());
    for (int i = 0; i < window->childCount(); ++i)
        EXPECT_NE(window->child(i)->role(), QAccessible::ListItem);
    // The keys select; a scroll moves the items and the selection with the vehicles.
    cards(0).item(1)->widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(cards(0).item(1)->widget(), Qt::Key_Down);
    QAccessibleInterface* list = accessible(form->imgFilesCardsArea);
    ASSERT_EQ(form->state.selectedIndex, 2);
    EXPECT_TRUE(list->child(1)->state().selected);
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_FALSE(accessible(form->imgGarminCardsArea)->child(1)->state().selected);
    ASSERT_TRUE(form->VScrollFiles->setValue(2));
    EXPECT_TRUE(list->child(0)->state().selected);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name).section(',', 0, 0), "Car02.srf");
}

TEST_F(AccessibilityTest, FolderLabelsDescribeAndShowTheirFullPath) {
    const QString deep = cars() + "/a folder with a name long enough to be shortened";
    writeVehicles(deep, 1);
    startOn(deep, folder() + "/none");
    QAccessibleInterface* label = accessible(form->lblFileDir);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), form->lblFileDir->Caption());
    EXPECT_NE(form->lblFileDir->Caption(), deep);
    EXPECT_EQ(label->text(QAccessible::Description), deep);
    EXPECT_EQ(form->lblFileDir->toolTip(), deep);
    EXPECT_EQ(form->lblGarminDir->toolTip(), folder() + "/none");
}

// The overlay is an alert whose name is its message while it shows (the change is announced to
// a screen reader as an alert event; the AT-SPI end-to-end test hears it).
TEST_F(AccessibilityTest, TheOverlayIsAnAlertNamedByItsMessage) {
    startOn(folder() + "/none", folder() + "/none");
    QAccessibleInterface* overlay = accessible(form->fraMessage);
    EXPECT_EQ(overlay->role(), QAccessible::AlertMessage);
    const struct {
        const char* line1;
        const char* line2;
        const char* name;
    } messages[] = {{"Loading 1 of 2", "Car01.srf", "Loading 1 of 2, Car01.srf"},
                    {"Deleting Vehicle", "/cars/Car01.srf", "Deleting Vehicle, /cars/Car01.srf"},
                    {"Loading 2 of 2", "", "Loading 2 of 2"}};
    for (const auto& m : messages) {
        form->ShowMessage(0, m.line1, m.line2);
        EXPECT_EQ(overlay->text(QAccessible::Name), m.name);
    }
}

} // namespace
