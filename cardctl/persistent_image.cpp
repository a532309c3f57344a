#include "cardctl/persistent_image.h"

#include "platform/picture/ole_colour.h"

#include <QPainter>

namespace tessel {

void PersistentImage::fill(const QRect& area, gdi::COLORREF colour) {
    bitmap_.fill(area, rgbFromColorRef(colour));
}

void PersistentImage::copyBlock(gdi::HDC source, QPoint sourceAt, const QRect& target) {
    gdi::BitBlt(dc(), target.x(), target.y(), target.width(), target.height(), source, sourceAt.x(),
                sourceAt.y(), gdi::SRCCOPY);
    // The copy brings the source's alpha bytes along, 0 wherever a surface was painted by a
    // rectangle call. The card is an opaque picture: drawn where alpha counts (a compositor, a
    // grab with transparency) those pixels would vanish, so the block's alpha becomes 255.
    bitmap_.makeOpaque(target);
}

void PersistentImage::drawPicture(const QImage& picture, QPoint at) {
    QImage pixels = view();
    if (pixels.isNull())
        return;
    QPainter painter(&pixels);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
}

} // namespace tessel
