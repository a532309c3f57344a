#include "app/toolkit/automatic_drag.h"
#include "app/toolkit/image_control.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <vector>

namespace {

// A control with an inner part; both count the presses that reach them.
class CountingControl : public QWidget {
public:
    class Part : public QWidget {
    public:
        Part(CountingControl* control)
            : QWidget(control)
            , control_(control) {}
        void mousePressEvent(QMouseEvent*) override { ++control_->presses; }

    private:
        CountingControl* control_;
    };

    explicit CountingControl(QWidget* parent)
        : QWidget(parent) {
        part = new Part(this);
        part->setGeometry(10, 10, 40, 20);
    }
    void mousePressEvent(QMouseEvent*) override { ++presses; }

    QWidget* part = nullptr;
    int presses = 0;
};

struct Drop {
    QString target;
    QString arrayName;
    int index;
    float x;
    float y;
};

class AutomaticDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setFixedSize(400, 300);
        drag = new toolkit::AutomaticDrag(&window);
        area = new toolkit::ImageControl(&window);
        area->Move(3000, 0, 1500, 3000); // 200, 0; 100 x 200 pixels
        source = new CountingControl(&window);
        source->setGeometry(20, 20, 60, 40);
        other = new CountingControl(&window);
        other->setGeometry(20, 100, 60, 40);
        drag->addSource(source, {"TesselFiles", 1});
        drag->addSource(other, {"TesselFiles", 2});
        drag->addDropTarget(area, [this](const toolkit::DragSource& s, float x, float y) {
            drops.push_back({"area", s.arrayName, s.index, x, y});
        });
        drag->addDropTarget(other, [this](const toolkit::DragSource& s, float x, float y) {
            drops.push_back({"other", s.arrayName, s.index, x, y});
        });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // The pressed widget keeps the mouse until release, so moves and the release go to it with
    // positions relative to it.
    void dragFromPart(QPoint windowTarget) {
        QWidget* part = source->part;
        QTest::mousePress(part, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseMove(part, part->mapFrom(&window, windowTarget));
        QTest::mouseRelease(part, Qt::LeftButton, Qt::NoModifier,
                            part->mapFrom(&window, windowTarget));
    }

    QWidget window;
    toolkit::AutomaticDrag* drag = nullptr;
    toolkit::ImageControl* area = nullptr;
    CountingControl* source = nullptr;
    CountingControl* other = nullptr;
    std::vector<Drop> drops;
};

TEST_F(AutomaticDragTest, ReleaseOverATargetRaisesItsDropWithTheSource) {
    dragFromPart(QPoint(250, 50));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].target, "area");
    EXPECT_EQ(drops[0].arrayName, "TesselFiles");
    EXPECT_EQ(drops[0].index, 1);
    EXPECT_FLOAT_EQ(drops[0].x, 50 * 15);
    EXPECT_FLOAT_EQ(drops[0].y, 50 * 15);
    EXPECT_FALSE(drag->dragging());
    EXPECT_FALSE(drag->outline()->isVisible());
}

TEST_F(AutomaticDragTest, TheLeftPressNeverReachesTheControl) {
    dragFromPart(QPoint(250, 50));
    EXPECT_EQ(source->presses, 0);
}

TEST_F(AutomaticDragTest, ReleaseOverAnotherSourceThatIsATargetDropsThere) {
    dragFromPart(QPoint(30, 110));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].target, "other");
    EXPECT_EQ(drops[0].index, 1);
}

TEST_F(AutomaticDragTest, ReleaseOverNoTargetDropsNothing) {
    dragFromPart(QPoint(150, 250));
    EXPECT_TRUE(drops.empty());
    EXPECT_FALSE(drag->dragging());
}

TEST_F(AutomaticDragTest, TheOutlineFollowsThePointerWithTheControlsSize) {
    QWidget* part = source->part;
    // Pressed at (35, 35) of the window, 15 pixels into the control each way.
    QTest::mousePress(part, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(drag->dragging());
    QTest::mouseMove(part, part->mapFrom(&window, QPoint(215, 135)));
    EXPECT_TRUE(drag->outline()->isVisible());
    EXPECT_EQ(drag->outline()->geometry(), QRect(200, 120, 60, 40));
    QTest::mouseRelease(part, Qt::LeftButton, Qt::NoModifier,
                        part->mapFrom(&window, QPoint(215, 135)));
}

TEST_F(AutomaticDragTest, OtherButtonsReachTheControlAndStartNoDrag) {
    QTest::mouseClick(source->part, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(source, Qt::MiddleButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(source->presses, 2);
    EXPECT_FALSE(drag->dragging());
    EXPECT_TRUE(drops.empty());
}

TEST_F(AutomaticDragTest, PartsAddedLaterAlsoStartTheDrag) {
    auto* late = new QLabel("late", source);
    late->setGeometry(0, 0, 10, 10);
    late->show();
    QTest::mousePress(late, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(drag->dragging());
    QTest::mouseRelease(late, Qt::LeftButton, Qt::NoModifier,
                        late->mapFrom(&window, QPoint(250, 50)));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].index, 1);
}

TEST_F(AutomaticDragTest, LeavingTheWindowHandsTheDragOnOnceAndEndsIt) {
    struct Left {
        QString arrayName;
        int index;
        QWidget* control;
        QPoint grabOffset;
    };
    std::vector<Left> left;
    drag->LeftWindow = [&](const toolkit::DragSource& s, QWidget* control, QPoint grabOffset) {
        // The window's own drag has ended by the time the system's begins.
        EXPECT_FALSE(drag->dragging());
        EXPECT_FALSE(drag->outline()->isVisible());
        left.push_back({s.arrayName, s.index, control, grabOffset});
    };
    QWidget* part = other;
    QTest::mousePress(part, Qt::LeftButton, Qt::NoModifier, QPoint(7, 9));
    QTest::mouseMove(part, part->mapFrom(&window, QPoint(200, 150)));
    EXPECT_TRUE(left.empty()) << "inside the window the drag stays the window's";
    QTest::mouseMove(part, part->mapFrom(&window, QPoint(405, 150)));
    QTest::mouseMove(part, part->mapFrom(&window, QPoint(250, 50)));
    QTest::mouseRelease(part, Qt::LeftButton, Qt::NoModifier,
                        part->mapFrom(&window, QPoint(250, 50)));
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].arrayName, "TesselFiles");
    EXPECT_EQ(left[0].index, 2);
    EXPECT_EQ(left[0].control, other);
    EXPECT_EQ(left[0].grabOffset, QPoint(7, 9));
    EXPECT_TRUE(drops.empty()) << "a release after the drag left the window drops nothing here";
}

TEST_F(AutomaticDragTest, WithoutAHandlerTheDragComesBackFromOutsideTheWindow) {
    QWidget* part = source->part;
    QTest::mousePress(part, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseMove(part, part->mapFrom(&window, QPoint(-30, 350)));
    EXPECT_TRUE(drag->dragging());
    QTest::mouseRelease(part, Qt::LeftButton, Qt::NoModifier,
                        part->mapFrom(&window, QPoint(250, 50)));
    ASSERT_EQ(drops.size(), 1u);
    EXPECT_EQ(drops[0].target, "area");
}

} // namespace
