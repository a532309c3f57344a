// One of the card's four text lines (lblData1 to lblData4): left-aligned text in "Arial"
// 9.75 points bold on a transparent background, cut off at the line's box.
#pragma once

#include "cardctl/mouse_source.h"

namespace tessel {

class TextLine final : public MouseSource {
public:
    TextLine(InputRelay* relay, QWidget* parent);

    void setText(const QString& text);
    QString text() const { return text_; }
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

    // 9.75 points at the 96 dots per inch the card was designed for: 13 pixels, so the card
    // looks the same on every screen.
    static QFont font();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor colour_;
};

} // namespace tessel
