#include "cardctl/text_line.h"

#include <QPainter>

namespace tessel {

TextLine::TextLine(InputRelay* relay, QWidget* parent)
    : MouseSource(relay, parent) {}

QFont TextLine::font() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setWeight(QFont::Bold);
    font.setItalic(false);
    return font;
}

void TextLine::setText(const QString& text) {
    if (text == text_)
        return;
    text_ = text;
    update();
}

void TextLine::setColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void TextLine::paintEvent(QPaintEvent*) {
    if (text_.isEmpty())
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setFont(font());
    painter.setPen(colour_);
    // Line breaks in the text start new lines; an ampersand is shown as it is.
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, text_);
}

} // namespace tessel
