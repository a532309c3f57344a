// The card panes by keys alone, through the real window: the keys of a focused card move the focus,
// the selection and the scroll position, open the preview, the delete question and the context
// menu, refresh the pane and copy to the other pane as a drag does; Escape closes the preview and
// the mouse wheel over the cards scrolls the pane.
#include "tests/app/window/copy_fixture.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>

namespace {

using KeyboardCardsTest = CopyFixture;

QWidget* focused() {
    return QApplication::focusWidget();
}

// Chooses the menu item of that text, records what the menu held.
class MenuChooser {
public:
    explicit MenuChooser(QString choice = {})
        : choice_(std::move(choice)) {
        toolkit::PopupMenu::setPresenter([this](QMenu& menu, const QPoint&) -> QAction* {
            ++opened;
            entries.clear();
            QAction* chosen = nullptr;
            for (QAction* action : menu.actions()) {
                entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
                if (!action->isSeparator() && action->text() == choice_)
                    chosen = action;
            }
            return chosen;
        });
    }
    ~MenuChooser() { toolkit::PopupMenu::setPresenter({}); }
    int opened = 0;
    QStringList entries;

private:
    QString choice_;
};

struct Step {
    Qt::Key key;
    int selected; // the vehicle selected afterwards
    int value;    // the scroll position afterwards
    int card;     // the card that has the focus afterwards
};

TEST_F(KeyboardCardsTest, MovingKeysWalkTheVehiclesAndScrollPastTheFirstAndFourthCard) {
    writeVehicles(cars(), 10);
    startOn(cars(), folder() + "/none");
    form->TesselFiles->item(1)->widget()->setFocus(Qt::TabFocusReason);
    const Step steps[] = {
        {Qt::Key_Down, 2, 1, 2},     {Qt::Key_Down, 3, 1, 3},     {Qt::Key_Down, 4, 1, 4},
        {Qt::Key_Down, 5, 2, 4},     {Qt::Key_Up, 4, 2, 3},       {Qt::Key_Up, 3, 2, 2},
        {Qt::Key_Up, 2, 2, 1},       {Qt::Key_Up, 1, 1, 1},       {Qt::Key_Up, 1, 1, 1},
        {Qt::Key_PageDown, 5, 2, 4}, {Qt::Key_PageDown, 9, 6, 4}, {Qt::Key_PageDown, 10, 7, 4},
        {Qt::Key_Down, 10, 7, 4},    {Qt::Key_PageUp, 6, 6, 1},   {Qt::Key_Home, 1, 1, 1},
        {Qt::Key_End, 10, 7, 4},
    };
    for (const Step& step : steps) {
        // QTest::toString hands over a string of new[] that the caller deletes.
        const std::unique_ptr<char[]> keyName(QTest::toString(step.key));
        SCOPED_TRACE(keyName.get());
        SCOPED_TRACE(step.selected);
        QTest::keyClick(focused(), step.key);
        EXPECT_EQ(form->state.selectedPane, 0);
        EXPECT_EQ(form->state.selectedIndex, step.selected);
        EXPECT_EQ(form->VScrollFiles->Value(), step.value);
        EXPECT_EQ(focused(), form->TesselFiles->item(step.card)->widget());
        // The focused card shows the selected vehicle.
        EXPECT_EQ(cardLine(form->TesselFiles->item(step.card), 1),
                  form->state.filesCatalogue[step.selected - 1].FileName);
    }
}

TEST_F(KeyboardCardsTest, ReturnPreviewsTheFocusedVehicleAndEscapeClosesThePreview) {
    writeVehicles(device(), 3, "Nav");
    startOn(folder() + "/none", device());
    form->TesselGarmin->item(1)->widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Down);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(form->state.selectedPane, 1);
    EXPECT_EQ(form->state.selectedIndex, 2);
    ASSERT_TRUE(form->fraPreview->isVisible());
    EXPECT_GT(form->state.previewWidth, 0);
    // The preview's buttons take the keys: Space turns the vehicle, Escape closes it.
    EXPECT_EQ(focused(), form->imgRotate);
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_TRUE(form->Timer1->Enabled());
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(form->fraPreview->isVisible());
    EXPECT_FALSE(form->Timer1->Enabled());
}

TEST_F(KeyboardCardsTest, DeleteAsksTheDeleteQuestionForTheFocusedVehicle) {
    writeVehicles(cars(), 3);
    startOn(cars(), folder() + "/none");
    box.answer = toolkit::vbNo;
    form->TesselFiles->item(1)->widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClick(focused(), Qt::Key_Delete);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "Delete Confirm");
    EXPECT_EQ(box.shown[0].text, "Are you sure you want to delete Car03.srf?");
    EXPECT_TRUE(QFile::exists(cars() + "/Car03.srf"));
    box.answer = toolkit::vbYes;
    QTest::keyClick(focused(), Qt::Key_Delete);
    EXPECT_FALSE(QFile::exists(cars() + "/Car03.srf"));
    EXPECT_EQ(form->state.filesCount, 2);
}

TEST_F(KeyboardCardsTest, TheMenuKeyAndShiftF10OpenTheContextMenuWithTheCopyItemLast) {
    writeVehicles(cars(), 2);
    writeVehicles(device(), 2, "Nav");
    startOn(cars(), device());
    const struct {
        std::uint8_t pane;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* copyItem;
    } cases[] = {{0, Qt::Key_Menu, Qt::NoModifier, "Copy to Garmin"},
                 {1, Qt::Key_F10, Qt::ShiftModifier, "Copy to Files"},
                 {0, Qt::Key_F10, Qt::ShiftModifier, "Copy to Garmin"},
                 {1, Qt::Key_Menu, Qt::NoModifier, "Copy to Files"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.copyItem);
        MenuChooser menu;
        QWidget* card = cards(c.pane).item(2)->widget();
        card->setFocus(Qt::TabFocusReason);
        QTest::keyClick(card, c.key, c.modifiers);
        EXPECT_EQ(menu.opened, 1);
        EXPECT_EQ(menu.entries,
                  QStringList({"Preview Vehicle", "-", "Delete Vehicle", c.copyItem}));
        EXPECT_EQ(form->state.selectedPane, c.pane);
        EXPECT_EQ(form->state.selectedIndex, 2);
    }
}

TEST_F(KeyboardCardsTest, F5RefreshesThePaneOfTheFocusedCard) {
    writeVehicles(cars(), 2);
    startOn(cars(), folder() + "/none");
    writeVehicle(cars() + "/Car03.srf");
    form->TesselFiles->item(1)->widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_F5);
    EXPECT_EQ(form->state.filesCount, 3);
    EXPECT_EQ(shownNames(0), (std::vector<QString>{"Car01.srf", "Car02.srf", "Car03.srf"}));
}

TEST_F(KeyboardCardsTest, TheWheelOverACardOrTheColumnScrollsThePane) {
    writeVehicles(cars(), 12);
    startOn(cars(), folder() + "/none");
    // What the scroll bar itself does with one notch down.
    const auto notch = [](QWidget* target) {
        const QPointF at(20, 20);
        QWheelEvent wheel(at, target->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    };
    notch(form->VScrollFiles);
    const int step = form->VScrollFiles->Value() - 1;
    ASSERT_GT(step, 0);
    notch(form->TesselFiles->item(2)->widget());
    EXPECT_EQ(form->VScrollFiles->Value(), 1 + 2 * step);
    notch(form->imgFilesCardsArea);
    EXPECT_EQ(form->VScrollFiles->Value(), 1 + 3 * step);
    EXPECT_EQ(shownNames(0).front(), form->state.filesCatalogue[3 * step].FileName);
}

// The three ways of copying a vehicle to the other pane do the same: a new vehicle is appended,
// one of the same name is replaced after the question.
enum class CopyWay { Drag, Keys, Menu };

class KeyboardCopyTest : public CopyFixture, public ::testing::WithParamInterface<CopyWay> {
protected:
    void copy(std::uint8_t pane, int card) {
        switch (GetParam()) {
        case CopyWay::Drag:
            dragToOtherPane(pane, card);
            break;
        case CopyWay::Keys: {
            QWidget* widget = cards(pane).item(card)->widget();
            widget->setFocus(Qt::TabFocusReason);
            QTest::keyClick(widget, pane == 0 ? Qt::Key_Right : Qt::Key_Left, Qt::ControlModifier);
            break;
        }
        case CopyWay::Menu: {
            MenuChooser menu(pane == 0 ? "Copy to Garmin" : "Copy to Files");
            QTest::mouseClick(cards(pane).item(card)->widget(), Qt::RightButton, Qt::NoModifier,
                              QPoint(200, 50));
            break;
        }
        }
    }
};

TEST_P(KeyboardCopyTest, CopiesBothWaysAndAsksBeforeReplacing) {
    writeDistinct(cars(), 3, "Car");
    writeDistinct(device(), 2, "Nav");
    startOn(cars(), device());
    copy(0, 2);
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(bytesOf(device() + "/Car02.srf"), bytesOf(cars() + "/Car02.srf"));
    EXPECT_EQ(form->state.garminCount, 3);
    EXPECT_EQ(form->state.garminCatalogue[2].FileName, "Car02.srf");
    copy(1, 1);
    EXPECT_EQ(bytesOf(cars() + "/Nav01.srf"), bytesOf(device() + "/Nav01.srf"));
    EXPECT_EQ(form->state.filesCount, 4);
    // The same vehicle again: the question, answered No, keeps the pane as it is.
    box.answer = toolkit::vbNo;
    const PaneState before = paneState(1);
    copy(0, 2);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].title, "Vehicle Exists");
    EXPECT_TRUE(samePane(before, paneState(1)));
}

TEST_F(KeyboardCardsTest, CtrlWithTheArrowAwayFromTheOtherPaneCopiesNothing) {
    writeDistinct(cars(), 2, "Car");
    writeDistinct(device(), 2, "Nav");
    startOn(cars(), device());
    const FolderFiles files = folderFiles(cars());
    const FolderFiles navigator = folderFiles(device());
    QWidget* local = cards(0).item(1)->widget();
    local->setFocus(Qt::TabFocusReason);
    QTest::keyClick(local, Qt::Key_Left, Qt::ControlModifier);
    QWidget* garmin = cards(1).item(1)->widget();
    garmin->setFocus(Qt::TabFocusReason);
    QTest::keyClick(garmin, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(folderFiles(cars()), files);
    EXPECT_EQ(folderFiles(device()), navigator);
}

INSTANTIATE_TEST_SUITE_P(Ways, KeyboardCopyTest,
                         ::testing::Values(CopyWay::Drag, CopyWay::Keys, CopyWay::Menu),
                         [](const auto& info) {
                             switch (info.param) {
                             case CopyWay::Drag:
                                 return std::string("Drag");
                             case CopyWay::Keys:
                                 return std::string("Keys");
                             default:
                                 return std::string("Menu");
                             }
                         });

} // namespace
