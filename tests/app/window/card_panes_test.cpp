// The card panes through the real window: the selection, the context menu, the layouts a scroll
// starts while another one yields, and the thumbnails the cards copy from the strip.
#include "tests/app/window/pane_fixture.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTest>

namespace {

using PanesTest = PaneFixture;

struct MenuSeen {
    int opened = 0;
    QStringList entries; // "-" for a separator
    QPoint position;
};

// Answers the pop-up menu without a person: it records the menu and chooses nothing.
class MenuWatcher {
public:
    MenuWatcher() {
        toolkit::PopupMenu::setPresenter([this](QMenu& menu, const QPoint& at) -> QAction* {
            ++seen.opened;
            seen.entries.clear();
            for (QAction* action : menu.actions())
                seen.entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            seen.position = at;
            return nullptr;
        });
    }
    ~MenuWatcher() { toolkit::PopupMenu::setPresenter({}); }
    MenuSeen seen;
};

TEST_F(PanesTest, ARightClickOnCard3AtValue5SelectsVehicle7AndOpensTheMenu) {
    writeVehicles(device(), 10, "Nav");
    startOn(folder() + "/none", device());
    MenuWatcher menu;
    ASSERT_TRUE(form->VScrollGarmin->setValue(5));
    QWidget* card = form->TesselGarmin->item(3)->widget();
    ASSERT_TRUE(card->isVisible());
    QCursor::setPos(card->mapToGlobal(QPoint(200, 50)));
    QTest::mouseClick(card, Qt::RightButton, Qt::NoModifier, QPoint(200, 50));
    EXPECT_EQ(form->state.cardMouseButton, 2);
    EXPECT_EQ(form->state.selectedPane, 1);
    EXPECT_EQ(form->state.selectedIndex, 7);
    EXPECT_EQ(menu.seen.opened, 1);
    EXPECT_EQ(menu.seen.entries,
              QStringList({"Preview Vehicle", "-", "Delete Vehicle", "Copy to Files"}));
    EXPECT_EQ(menu.seen.position, QCursor::pos());
    // The card shows the vehicle selected.
    EXPECT_EQ(cardLine(form->TesselGarmin->item(3), 1),
              form->state.garminCatalogue[form->state.selectedIndex - 1].FileName);
}

TEST_F(PanesTest, ARightDoubleClickOnACardOpensTheMenuOnce) {
    writeVehicles(device(), 3, "Nav");
    startOn(folder() + "/none", device());
    MenuWatcher menu;
    QWidget* card = form->TesselGarmin->item(2)->widget();
    ASSERT_TRUE(card->isVisible());
    // What the toolkit delivers for a double click: press, release, double click, release.
    QTest::mouseClick(card, Qt::RightButton, Qt::NoModifier, QPoint(200, 50));
    QTest::mouseDClick(card, Qt::RightButton, Qt::NoModifier, QPoint(200, 50));
    QTest::mouseRelease(card, Qt::RightButton, Qt::NoModifier, QPoint(200, 50));
    EXPECT_EQ(menu.seen.opened, 1);
    EXPECT_EQ(form->state.selectedPane, 1);
    EXPECT_EQ(form->state.selectedIndex, 2);
}

TEST_F(PanesTest, OtherButtonsSelectWithoutAMenuAndTheSelectionStays) {
    writeVehicles(cars(), 6);
    writeVehicles(device(), 2, "Nav");
    startOn(cars(), device());
    MenuWatcher menu;
    ASSERT_TRUE(form->VScrollFiles->setValue(2));
    QTest::mouseClick(form->TesselFiles->item(4)->widget(), Qt::MiddleButton, Qt::NoModifier,
                      QPoint(200, 50));
    EXPECT_EQ(form->state.cardMouseButton, 4);
    EXPECT_EQ(form->state.selectedPane, 0);
    EXPECT_EQ(form->state.selectedIndex, 5);
    EXPECT_EQ(menu.seen.opened, 0);
    // A left press drags the card instead of selecting it.
    QWidget* garminCard = form->TesselGarmin->item(2)->widget();
    QTest::mousePress(garminCard, Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    QTest::mouseRelease(garminCard, Qt::LeftButton, Qt::NoModifier, QPoint(200, 50));
    // Neither a drag, a scroll nor a rescan changes the selection.
    ASSERT_TRUE(form->VScrollFiles->setValue(1));
    form->RefreshPane(0);
    form->RefreshPane(1);
    EXPECT_EQ(form->state.selectedPane, 0);
    EXPECT_EQ(form->state.selectedIndex, 5);
    EXPECT_EQ(menu.seen.opened, 0);
}

TEST_F(PanesTest, AScrollDuringALayoutLeavesTheCardsAtTheNewPosition) {
    writeVehicles(cars(), 10);
    const QStringList order = listedOrder(cars());
    startOn(cars(), folder() + "/none");
    bool scrolled = false;
    {
        // The first yield of the layout below, after card 1.
        EveryYield probe([&] {
            if (!scrolled) {
                scrolled = true;
                ASSERT_TRUE(form->VScrollFiles->setValue(5));
            }
        });
        form->LayoutCards(0);
    }
    ASSERT_TRUE(scrolled);
    EXPECT_EQ(shownNames(0), std::vector<QString>(order.begin() + 4, order.begin() + 8));
}

TEST_F(PanesTest, ACardShowsItsVehiclesCellOfTheStripExactly) {
    writeVehicles(cars(), 5, "Car", {.frameSize = 80, .frames = 2, .size2d = 8, .varied = true});
    startOn(cars(), folder() + "/none");
    ASSERT_TRUE(form->VScrollFiles->setValue(2));
    for (int k = 1; k <= 4; ++k) {
        const VehicleRecord& r = form->state.filesCatalogue[k];
        const QImage cell = stripBlock(*form->state.filesStrip, r.StripX);
        // A vehicle of many colours, not the white of an empty cell.
        ASSERT_GT(nonWhiteBounds(cell).width(), 70);
        EXPECT_TRUE(showsBlock(form->TesselFiles->item(k), cell)) << k;
    }
}

TEST_F(PanesTest, ScrollingOnePaneLeavesTheOtherAlone) {
    writeVehicles(cars(), 8);
    writeVehicles(device(), 8, "Nav");
    const QStringList navOrder = listedOrder(device());
    startOn(cars(), device());
    ASSERT_TRUE(form->VScrollFiles->setValue(5));
    EXPECT_EQ(shownNames(1), std::vector<QString>(navOrder.begin(), navOrder.begin() + 4));
    ASSERT_TRUE(form->VScrollGarmin->setValue(4));
    EXPECT_EQ(shownNames(1), std::vector<QString>(navOrder.begin() + 3, navOrder.begin() + 7));
    EXPECT_EQ(shownNames(0).front(), form->state.filesCatalogue[4].FileName);
}

} // namespace
