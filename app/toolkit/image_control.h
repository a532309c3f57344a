// An image control: shows a picture at its own size, unscaled, and takes that size; without a
// picture it is transparent. It reports mouse presses and releases with the button and the
// position in twips relative to itself, and can serve as the target of a card drag. A picture
// made a button takes the focus by the keyboard (never by a click, so the mouse sees the window as
// before), shows a focus ring while it has it, and is pressed by Space and Return as by a click.
#pragma once

#include "app/toolkit/drag_source.h"
#include "app/toolkit/mouse_codes.h"
#include "app/toolkit/twips_geometry.h"

#include <functional>
#include <QImage>
#include <QWidget>

namespace toolkit {

class ImageControl : public QWidget, public TwipsGeometry {
public:
    using MouseHandler = toolkit::MouseHandler;
    using DropHandler = std::function<void(const DragSource& source, float x, float y)>;

    explicit ImageControl(QWidget* container);

    // Replaces the picture with the one in the file. A file that is missing or cannot be read
    // leaves the picture as it was and gives false.
    bool LoadPictureFile(const QString& path);
    // The same for a picture already read: a null one leaves the picture as it was and gives
    // false.
    bool showPicture(const QImage& picture);
    // The control takes the picture's size in logical pixels: a picture with a device pixel
    // ratio of 2 is as large as the single-scale one and paints in device pixels.
    void setPicture(const QImage& picture);
    void clearPicture();
    const QImage& Picture() const { return picture_; }

    // Makes the picture a button named `name` for the keyboard, screen readers and its tooltip.
    void makeButton(const QString& name);
    bool isButton() const { return button_; }
    // What a click does: MouseDown, then MouseUp, with the left button at the top-left corner.
    void press();
    // For a button with a state (on or off): whether it is on, as a screen reader reports it.
    std::function<bool()> Checked;

    MouseHandler MouseDown;
    MouseHandler MouseUp;
    // Raised by the automatic drag when a dragged control is released over this image.
    DropHandler DragDrop;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage picture_;
    bool button_ = false;
};

} // namespace toolkit
