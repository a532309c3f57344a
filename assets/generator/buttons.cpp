#include "assets/generator/buttons.h"

#include "assets/generator/artwork_font.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

constexpr qreal kCornerRadius = 6.0;
const QColor symbolColour(18, 44, 98);

struct ButtonShades {
    QColor top, bottom, rim, gloss;
};

ButtonShades shadesFor(bool pressed) {
    if (pressed)
        return {QColor(118, 168, 218), QColor(168, 208, 242), QColor(34, 78, 138),
                QColor(255, 255, 255, 0)};
    return {QColor(222, 240, 255), QColor(146, 196, 240), QColor(58, 110, 172),
            QColor(255, 255, 255, 150)};
}

void drawBody(QPainter& painter, QSizeF size, bool pressed) {
    const ButtonShades shades = shadesFor(pressed);
    const QRectF outer(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);

    QLinearGradient fill(outer.topLeft(), outer.bottomLeft());
    fill.setColorAt(0.0, shades.top);
    fill.setColorAt(1.0, shades.bottom);
    painter.setPen(QPen(shades.rim, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(outer, kCornerRadius, kCornerRadius);

    if (!pressed) {
        // A gloss over the upper half catches the light.
        const QRectF glossArea(2.0, 1.5, size.width() - 4.0, size.height() / 2.0 - 1.0);
        QLinearGradient gloss(glossArea.topLeft(), glossArea.bottomLeft());
        gloss.setColorAt(0.0, shades.gloss);
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(gloss);
        painter.drawRoundedRect(glossArea, kCornerRadius - 2.0, kCornerRadius - 2.0);
    } else {
        // An inner shadow along the top edge makes the face look sunk.
        QLinearGradient shade(outer.topLeft(), outer.topLeft() + QPointF(0, 5));
        shade.setColorAt(0.0, QColor(20, 50, 100, 110));
        shade.setColorAt(1.0, QColor(20, 50, 100, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
    }
}

void drawMinimiseBar(QPainter& painter) {
    painter.fillRect(QRectF(7, 15, 11, 3), symbolColour);
}

void drawCross(QPainter& painter) {
    painter.setPen(QPen(symbolColour, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 8), QPointF(17, 17));
    painter.drawLine(QPointF(17, 8), QPointF(8, 17));
}

void drawDeviceLetter(QPainter& painter) {
    const QRect square(5, 5, 15, 15);
    painter.fillRect(square, Qt::black);
    painter.setFont(artworkFont(13));
    painter.setPen(Qt::white);
    painter.drawText(square, Qt::AlignCenter, QStringLiteral("G"));
}

void drawFolder(QPainter& painter) {
    const QColor outline(150, 104, 0);
    QPainterPath back;
    back.moveTo(5.5, 8.5);
    back.lineTo(10.0, 8.5);
    back.lineTo(11.5, 10.0);
    back.lineTo(19.5, 10.0);
    back.lineTo(19.5, 18.5);
    back.lineTo(5.5, 18.5);
    back.closeSubpath();
    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(QColor(232, 176, 30));
    painter.drawPath(back);

    QPainterPath front;
    front.moveTo(5.5, 18.5);
    front.lineTo(7.5, 12.5);
    front.lineTo(21.0, 12.5);
    front.lineTo(19.5, 18.5);
    front.closeSubpath();
    QLinearGradient face(QPointF(0, 12.5), QPointF(0, 18.5));
    face.setColorAt(0.0, QColor(255, 232, 110));
    face.setColorAt(1.0, QColor(248, 196, 40));
    painter.setBrush(face);
    painter.drawPath(front);
}

void drawWord(QPainter& painter, QSize size, const QString& text) {
    const QFont font = artworkFont(13);
    const QFontMetrics metrics(font);
    const QRect ink = metrics.tightBoundingRect(text);
    const int left = (size.width() - ink.width()) / 2 - ink.left();
    const int baseline = (size.height() - metrics.capHeight()) / 2 + metrics.capHeight();
    painter.setFont(font);
    painter.setPen(symbolColour);
    painter.drawText(left, baseline, text);
}

} // namespace

QImage drawButton(const ButtonPicture& button, bool pressed, const Lettering& lettering,
                  int scale) {
    QImage image = scaledCanvas(button.size, QImage::Format_RGB32, scale);
    image.fill(button.cornerColour);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBody(painter, button.size, pressed);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::NoBrush);
    if (pressed)
        painter.translate(1, 1);
    if (const Word* word = std::get_if<Word>(&button.face)) {
        drawWord(painter, button.size, lettering.text(*word));
        return image;
    }
    switch (std::get<ButtonSymbol>(button.face)) {
    case ButtonSymbol::MinimiseBar:
        drawMinimiseBar(painter);
        break;
    case ButtonSymbol::Cross:
        drawCross(painter);
        break;
    case ButtonSymbol::DeviceLetter:
        drawDeviceLetter(painter);
        break;
    case ButtonSymbol::Folder:
        drawFolder(painter);
        break;
    }
    return image;
}

} // namespace artwork
