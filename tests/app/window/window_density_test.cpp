// The window on a screen of device pixel ratio 2 (Qt's scale factor, set before the test
// program's application is made): every picture the window shows comes from its double-scale
// file, device pixel for device pixel, while the window and its controls keep their sizes in
// logical pixels.
#include "tests/app/window/form_fixture.h"

#include <QImage>
#include <QPixmap>

namespace {

// Before the test environment makes the application: Qt reads the scale factor once, then.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

// A picture no doubling of a single-scale one gives: neighbouring device pixels differ.
QImage checkerboard(QSize size, QColor a, QColor b) {
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, (x + y) % 2 ? a : b);
    return image;
}

class WindowDensityTest : public FormFixture {
protected:
    void writeDoubled(const QString& name, QSize singleSize, QColor a, QColor b,
                      const char* format) {
        const QImage doubled = checkerboard(singleSize * 2, a, b);
        ASSERT_TRUE(doubled.save(imagePath(name), format));
        pictures_.push_back({name, doubled});
    }
    // What the window shows of `control` in device pixels.
    QImage shownOf(const QImage& window, const QWidget* control, QSize size) const {
        const QPoint at = control->mapTo(form->window(), QPoint(0, 0)) * 2;
        return window.copy(QRect(at, size * 2)).convertToFormat(QImage::Format_RGB888);
    }
    struct Written {
        QString name;
        QImage picture;
    };
    std::vector<Written> pictures_;
};

TEST_F(WindowDensityTest, ShowsTheDoubleScalePicturesSharp) {
    ASSERT_TRUE(kScaled);
    writeDoubled(QStringLiteral("Skin@2x.bmp"), {782, 598}, QColor(90, 90, 90), QColor(20, 20, 20),
                 "BMP");
    writeDoubled(QStringLiteral("RefreshButtonUp@2x.bmp"), {75, 25}, Qt::yellow, Qt::darkGreen,
                 "BMP");
    writeDoubled(QStringLiteral("XButtonUp@2x.bmp"), {25, 25}, Qt::magenta, Qt::darkBlue, "BMP");
    // The reader tells a picture by its content: a PNG stands in for the GIF watermark.
    writeDoubled(QStringLiteral("LocalFiles@2x.gif"), {236, 150}, Qt::cyan, Qt::darkRed, "PNG");
    createForm();
    showActive();
    ASSERT_DOUBLE_EQ(form->window()->devicePixelRatioF(), 2.0);
    // Sizes in logical pixels, as at ratio 1.
    EXPECT_EQ(form->window()->size(), QSize(781, 598));
    EXPECT_EQ(form->imgRefreshFiles->size(), QSize(75, 25));
    EXPECT_EQ(form->imgLocalFiles->size(), QSize(236, 150));

    const QPixmap grab = form->window()->grab();
    ASSERT_DOUBLE_EQ(grab.devicePixelRatio(), 2.0);
    const QImage window = grab.toImage();
    EXPECT_EQ(shownOf(window, form->imgRefreshFiles, {75, 25}), pictures_[1].picture);
    EXPECT_EQ(shownOf(window, form->imgX, {25, 25}), pictures_[2].picture);
    EXPECT_EQ(shownOf(window, form->imgLocalFiles, {236, 150}), pictures_[3].picture);
    // The skin where no control lies over it: the window's top left corner.
    EXPECT_EQ(window.copy(0, 0, 40, 40).convertToFormat(QImage::Format_RGB888),
              pictures_[0].picture.copy(0, 0, 40, 40));
    // A picture without a double-scale file is the single-scale one, scaled by Qt.
    EXPECT_EQ(form->imgMin->Picture().size(), QSize(25, 25));
    EXPECT_EQ(form->imgMin->size(), QSize(25, 25));
}

TEST_F(WindowDensityTest, AButtonPressShowsTheDoubleScaleDownPicture) {
    writeDoubled(QStringLiteral("XButtonDown@2x.bmp"), {25, 25}, Qt::green, Qt::black, "BMP");
    createForm();
    showActive();
    form->imgXMouseDown(toolkit::vbLeftButton, 0, 0, 0);
    EXPECT_EQ(form->imgX->Picture().convertToFormat(QImage::Format_RGB888), pictures_[0].picture);
    EXPECT_DOUBLE_EQ(form->imgX->Picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(form->imgX->size(), QSize(25, 25));
}

} // namespace
