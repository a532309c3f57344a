#include "app/toolkit/picture_box.h"
#include "platform/gdi/gdi.h"

#include <gtest/gtest.h>
#include <QWidget>

namespace {

// Paints a solid rectangle into the box's current context with the drawing layer.
void fill(toolkit::PictureBox& box, gdi::COLORREF colour) {
    const gdi::HDC dc = box.hDC();
    ASSERT_NE(dc, 0);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(colour);
    const gdi::HPEN pen = gdi::CreatePen(gdi::PS_NULL, 0, 0);
    const gdi::HGDIOBJ oldBrush = gdi::SelectObject(dc, brush);
    const gdi::HGDIOBJ oldPen = gdi::SelectObject(dc, pen);
    EXPECT_TRUE(gdi::Rectangle(dc, 0, 0, 200, 200));
    gdi::SelectObject(dc, oldBrush);
    gdi::SelectObject(dc, oldPen);
    gdi::DeleteObject(brush);
    gdi::DeleteObject(pen);
}

QColor shownAt(toolkit::PictureBox& box, QPoint p) {
    return box.grab().toImage().pixelColor(p);
}

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 200);
        box = new toolkit::PictureBox(&window);
        box->Move(0, 0, 1500, 1500);
        box->setBackColor(0x00000000);
    }
    QWidget window;
    toolkit::PictureBox* box = nullptr;
};

TEST_F(PictureBoxTest, HasAContextOfItsSizeBeforeItIsShown) {
    ASSERT_NE(box->hDC(), 0);
    gdi::DibView view;
    ASSERT_TRUE(gdi::GetDibView(box->hDC(), &view));
    EXPECT_EQ(view.width, 100);
    EXPECT_EQ(view.height, 100);
}

TEST_F(PictureBoxTest, PersistentDrawingSurvivesARefreshAndDirectDrawingDoesNot) {
    box->setAutoRedraw(true);
    fill(*box, 0x000000FF); // red
    box->setAutoRedraw(false);
    box->Refresh();
    EXPECT_EQ(shownAt(*box, {50, 50}), QColor(255, 0, 0));
    fill(*box, 0x00FF0000); // blue, straight to the screen image
    EXPECT_EQ(shownAt(*box, {50, 50}), QColor(0, 0, 255));
    box->Refresh();
    EXPECT_EQ(shownAt(*box, {50, 50}), QColor(255, 0, 0));
}

TEST_F(PictureBoxTest, ClsClearsThePersistentImageToTheBackColour) {
    box->setAutoRedraw(true);
    fill(*box, 0x000000FF);
    box->setBackColor(0x0000FF00);
    box->Cls();
    box->Refresh();
    EXPECT_EQ(shownAt(*box, {10, 90}), QColor(0, 255, 0));
}

} // namespace
