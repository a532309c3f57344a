// The keyboard focus as the window and the card show it: a blue ring two pixels wide inside the
// control's edge, its outer line dotted blue on white so that it shows on any picture. It is
// unlike the card's red selection frame, and drawn only while the control has the focus.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

inline const QColor kFocusRingColour{0, 84, 227};

// Draws the ring inside `bounds` (at least 4 x 4 pixels).
void drawFocusRing(QPainter& painter, const QRect& bounds);
