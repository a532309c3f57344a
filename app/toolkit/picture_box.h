// A picture box: a control with a drawing context of the drawing layer. With persistent drawing
// on, drawing goes into the box's persistent image, which every repaint shows; with it off,
// drawing goes straight to the screen image and lasts until the next refresh.
#pragma once

#include "app/toolkit/twips_geometry.h"
#include "platform/picture/memory_bitmap.h"

#include <cstdint>
#include <QWidget>

namespace toolkit {

class PictureBox : public QWidget, public TwipsGeometry {
public:
    explicit PictureBox(QWidget* container);

    // The context drawing goes into: the persistent image while AutoRedraw is on, else the
    // screen image. 0 while the box has no size.
    gdi::HDC hDC();
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    void setBackColor(std::uint32_t oleColour);
    // Clears to the background colour: the persistent image with AutoRedraw on, the screen
    // image (back to the persistent image) with it off.
    void Cls();
    // Shows the persistent image at once.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The images follow the box's size, also while it is hidden and gets no resize events.
    void fitImages();

    MemoryBitmap persistent_;
    MemoryBitmap screen_;
    bool autoRedraw_ = false;
    std::uint32_t backColor_ = 0x8000000F;
};

} // namespace toolkit
