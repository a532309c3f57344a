// A part of the card that takes mouse input of its own (the card surface, the picture holder,
// the text lines): every press, move and release becomes the card's MouseDown, MouseMove and
// MouseUp, and a press and release of a button over this same part a Click after the MouseUp.
// The second press of a double click raises nothing; only its release raises a MouseUp.
// Each part is a real child widget, so an event filter that a host installs on the card's
// widget and its children sees every press before the card does.
#pragma once

#include <QWidget>

namespace tessel {

class InputRelay;

class MouseSource : public QWidget {
public:
    MouseSource(InputRelay* relay, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    InputRelay* relay_;
    Qt::MouseButtons pressedHere_;
};

} // namespace tessel
