#include "app/toolkit/popup_menu.h"
#include "app/toolkit/timer.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>
#include <QTest>
#include <string>

namespace {

TEST(Timer, OneTickRunsAtATimeEvenWhenTheHandlerYields) {
    toolkit::Timer timer(nullptr);
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    timer.Tick = [&] {
        ++depth;
        deepest = std::max(deepest, depth);
        ++ticks;
        if (ticks == 1)
            QTest::qWait(30); // the timer comes due again while this tick still runs
        --depth;
    };
    timer.setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));
    timer.setEnabled(false);
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(deepest, 1);
}

TEST(Timer, ADisabledTimerOrIntervalZeroDoesNotTick) {
    toolkit::Timer timer(nullptr);
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.setInterval(1);
    timer.setEnabled(false);
    QTest::qWait(20);
    timer.setEnabled(true);
    timer.setInterval(0);
    QTest::qWait(20);
    EXPECT_EQ(ticks, 0);
}

TEST(PopupMenu, TheChosenItemRaisesItsClickAndSeparatorsAreLines) {
    toolkit::PopupMenu menu("mnuRtMenu", "RtMenu");
    std::string clicks;
    menu.addItem("mnuPreview", "Preview Vehicle").Click = [&] { clicks += "preview "; };
    menu.addItem("mnuLine1", "-");
    menu.addItem("mnuDeleteVehicle", "Delete Vehicle").Click = [&] { clicks += "delete "; };
    QStringList shown;
    QString choose = "Delete Vehicle";
    toolkit::PopupMenu::setPresenter([&](QMenu& m, const QPoint&) -> QAction* {
        QAction* chosen = nullptr;
        for (QAction* action : m.actions()) {
            shown << (action->isSeparator() ? QStringLiteral("|") : action->text());
            if (action->text() == choose)
                chosen = action;
        }
        return chosen;
    });
    menu.Popup(nullptr, QPoint(10, 10));
    choose.clear(); // dismissed
    menu.Popup(nullptr, QPoint(10, 10));
    toolkit::PopupMenu::setPresenter(nullptr);
    EXPECT_EQ(clicks, "delete ");
    EXPECT_EQ(shown.join(","), "Preview Vehicle,|,Delete Vehicle,Preview Vehicle,|,Delete Vehicle");
}

} // namespace
