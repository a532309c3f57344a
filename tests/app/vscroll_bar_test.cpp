#include "app/toolkit/vscroll_bar.h"

#include <gtest/gtest.h>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWidget>
#include <string>

namespace {

class VScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(100, 300);
        bar = new toolkit::VScrollBar(&window);
        bar->Move(0, 0, 330, 3000);
        bar->setMin(1);
        bar->setMax(10);
        bar->setValue(std::int16_t{1});
        bar->Change = [this] { events += "C" + std::to_string(bar->Value()) + " "; };
        bar->Scroll = [this] { events += "S" + std::to_string(bar->Value()) + " "; };
        window.show();
    }

    QRect part(QStyle::SubControl control) const {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.upsideDown = bar->invertedAppearance();
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, control, bar);
    }

    QWidget window;
    toolkit::VScrollBar* bar = nullptr;
    std::string events;
};

TEST_F(VScrollBarTest, AssigningValueRaisesChangeOnlyWhenItChanges) {
    EXPECT_TRUE(bar->setValue(std::int16_t{5}));
    EXPECT_TRUE(bar->setValue(std::int16_t{5}));
    EXPECT_EQ(events, "C5 ");
}

TEST_F(VScrollBarTest, ValueOutsideTheRangeIsRefused) {
    EXPECT_FALSE(bar->setValue(std::int16_t{11}));
    EXPECT_FALSE(bar->setValue(std::int16_t{0}));
    EXPECT_EQ(bar->Value(), 1);
    EXPECT_EQ(events, "");
}

TEST_F(VScrollBarTest, MaxBelowTheValueMovesTheValueAndRaisesChange) {
    bar->setValue(std::int16_t{8});
    events.clear();
    bar->setMax(9); // the value still fits
    EXPECT_EQ(events, "");
    bar->setMax(4);
    EXPECT_EQ(bar->Value(), 4);
    EXPECT_EQ(events, "C4 ");
}

TEST_F(VScrollBarTest, SixteenBitRangeIsKept) {
    bar->setMin(-32768);
    bar->setMax(32767);
    EXPECT_TRUE(bar->setValue(std::int16_t{32767}));
    EXPECT_EQ(bar->Value(), 32767);
    EXPECT_EQ(bar->Min(), -32768);
}

TEST_F(VScrollBarTest, ArrowClickRaisesChange) {
    const QRect down = part(QStyle::SC_ScrollBarAddLine);
    ASSERT_TRUE(down.isValid());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, down.center());
    EXPECT_EQ(bar->Value(), 2);
    EXPECT_EQ(events, "C2 ");
}

TEST_F(VScrollBarTest, ThumbDragRaisesScrollWhileMovingAndChangeAtTheEnd) {
    const QRect thumb = part(QStyle::SC_ScrollBarSlider);
    const QRect groove = part(QStyle::SC_ScrollBarGroove);
    ASSERT_TRUE(thumb.isValid());
    const QPoint start = thumb.center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(bar, QPoint(start.x(), groove.center().y()));
    QTest::mouseMove(bar, QPoint(start.x(), groove.bottom()));
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, QPoint(start.x(), groove.bottom()));
    ASSERT_EQ(bar->Value(), 10);
    // Scroll events while the thumb moves, one Change when it is let go.
    ASSERT_GE(events.size(), 4u);
    EXPECT_EQ(events.front(), 'S');
    EXPECT_EQ(events.substr(events.size() - 4), "C10 ");
    EXPECT_EQ(events.find('C'), events.size() - 4);
}

TEST_F(VScrollBarTest, KeysRaiseChange) {
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Down);
    EXPECT_EQ(events, "C2 ");
}

} // namespace
