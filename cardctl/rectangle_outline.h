// A rectangle shape of the card (shpSelected, Shape1): a solid outline drawn inside its
// bounds, a transparent inside, and no mouse input: the part below gets it.
#pragma once

#include <QWidget>

namespace tessel {

class RectangleOutline final : public QWidget {
public:
    RectangleOutline(const QRect& geometry, int lineWidth, QWidget* parent);

    void setLineColour(const QColor& colour);
    QColor lineColour() const { return colour_; }
    int lineWidth() const { return lineWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineWidth_;
    QColor colour_;
};

} // namespace tessel
