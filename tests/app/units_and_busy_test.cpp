#include "app/hourglass_cursor.h"
#include "app/toolkit/screen.h"
#include "app/toolkit/twips.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <QCursor>
#include <QGuiApplication>

namespace {

TEST(Twips, SingleValuesBecomeTheNearestTwipWithHalvesToEven) {
    const struct {
        float value;
        int twips;
    } cases[] = {{4147.5f, 4148},
                 {4146.5f, 4146},
                 {1110.0f, 1110},
                 {1.49f, 1},
                 {1.51f, 2},
                 {-0.5f, 0},
                 {-1.5f, -2},
                 {-2.7f, -3},
                 {std::nanf(""), 0},
                 {1e12f, std::numeric_limits<int>::max()},
                 {-1e12f, std::numeric_limits<int>::min()}};
    for (const auto& c : cases)
        EXPECT_EQ(toolkit::twipsFromSingle(c.value), c.twips) << c.value;
}

TEST(Twips, PixelsAreFifteenTwipsAndRoundToTheNearest) {
    EXPECT_EQ(toolkit::pixelsToTwips(25), 375);
    const struct {
        int twips;
        int pixels;
    } cases[] = {{375, 25}, {4148, 277}, {4147, 276}, {7, 0}, {8, 1}, {-8, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(toolkit::twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(HourglassCursor, ShowsTheHourglassWhileHeld) {
    ASSERT_FALSE(isBusy());
    {
        cHourglassCursor busy;
        EXPECT_TRUE(isBusy());
        EXPECT_EQ(toolkit::MousePointer(), 11);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_FALSE(isBusy());
    EXPECT_EQ(toolkit::MousePointer(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(HourglassCursor, TheDefaultReturnsOnlyWhenTheOutermostHolderEnds) {
    auto outer = std::make_unique<cHourglassCursor>();
    {
        cHourglassCursor inner;
        EXPECT_TRUE(isBusy());
    }
    EXPECT_TRUE(isBusy());
    EXPECT_EQ(toolkit::MousePointer(), 11);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // Holders that end in another order than they began count the same.
    auto second = std::make_unique<cHourglassCursor>();
    outer.reset();
    EXPECT_TRUE(isBusy());
    second.reset();
    EXPECT_FALSE(isBusy());
    EXPECT_EQ(toolkit::MousePointer(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
