#include "app/toolkit/label.h"

#include "app/toolkit/control_font.h"
#include "platform/picture/ole_colour.h"

#include <QMouseEvent>
#include <QPainter>

namespace toolkit {

Label::Label(QWidget* container)
    : QWidget(container)
    , TwipsGeometry(this) {
    setTextFont(QStringLiteral("Arial"), 8.25, false, false);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void Label::setForeColor(std::uint32_t oleColour) {
    foreColor_ = oleColour;
    update();
}

void Label::setBackColor(std::uint32_t oleColour) {
    backColor_ = oleColour;
    update();
}

void Label::setOpaque(bool opaque) {
    opaque_ = opaque;
    update();
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    update();
}

void Label::setTextFont(const QString& family, double points, bool bold, bool italic) {
    setFont(controlFont(family, points, bold, italic));
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), qColorFromOle(backColor_).value_or(Qt::black));
    painter.setPen(qColorFromOle(foreColor_).value_or(Qt::black));
    painter.setClipRect(rect());
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    switch (alignment_) {
    case Alignment::LeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case Alignment::RightJustify:
        flags |= Qt::AlignRight;
        break;
    case Alignment::Center:
        flags |= Qt::AlignHCenter;
        break;
    }
    painter.drawText(rect(), flags, caption_);
}

void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

} // namespace toolkit
