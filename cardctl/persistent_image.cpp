#include "persistent_image.h"

#include <algorithm>
#include <QPainter>

namespace tessel {

PersistentImage::PersistentImage(int width, int height) {
    dc_ = gdi::CreateCompatibleDC(0);
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, row for row like a QImage
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    if (dc_)
        bitmap_ = gdi::CreateDIBSection(dc_, &info, gdi::DIB_RGB_COLORS, &bits);
    if (bitmap_)
        previous_ = gdi::SelectObject(dc_, bitmap_);
    if (bitmap_ && !previous_) {
        gdi::DeleteObject(bitmap_);
        bitmap_ = 0;
    }
}

PersistentImage::~PersistentImage() {
    if (bitmap_) {
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteObject(bitmap_);
    }
    if (dc_)
        gdi::DeleteDC(dc_);
}

QImage PersistentImage::view() const {
    gdi::DibView dib;
    if (!isValid() || !gdi::GetDibView(dc_, &dib) || dib.bitsPerPixel != 32 || !dib.topDown)
        return {};
    // The DIB's bytes are blue, green, red, unused: a QImage's RGB32 in memory.
    return QImage(dib.bits, dib.width, dib.height, dib.stride, QImage::Format_RGB32);
}

void PersistentImage::fill(const QRect& area, gdi::COLORREF colour) {
    QImage pixels = view();
    if (pixels.isNull())
        return;
    const QRect clipped = area & pixels.rect();
    const QRgb rgb = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        std::fill(line + clipped.left(), line + clipped.right() + 1, rgb);
    }
}

void PersistentImage::copyBlock(gdi::HDC source, QPoint sourceAt, const QRect& target) {
    gdi::BitBlt(dc_, target.x(), target.y(), target.width(), target.height(), source, sourceAt.x(),
                sourceAt.y(), gdi::SRCCOPY);
    // The copy brings the source's alpha bytes along, 0 wherever a surface was painted by a
    // rectangle call. The card is an opaque picture: drawn where alpha counts (a compositor, a
    // grab with transparency) those pixels would vanish, so the block's alpha becomes 255.
    QImage pixels = view();
    if (pixels.isNull())
        return;
    const QRect clipped = target & pixels.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            line[x] |= 0xFF000000u;
    }
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
