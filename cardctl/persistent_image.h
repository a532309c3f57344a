// The card's persistent image: a memory bitmap of the card's size. It holds the background
// colour, the background picture and the last thumbnail copied in, and is what the card surface
// shows under its parts.
#pragma once

#include "platform/gdi/gdi.h"
#include "platform/picture/memory_bitmap.h"

#include <QImage>

namespace tessel {

class PersistentImage {
public:
    PersistentImage(int width, int height) { bitmap_.create(width, height); }

    // False when the drawing layer gave no context or bitmap (out of handles or memory).
    bool isValid() const { return bitmap_.isValid(); }
    gdi::HDC dc() const { return bitmap_.hDC(); }

    void fill(const QRect& area, gdi::COLORREF colour);
    // A plain block copy from a drawing context to `target`, shown opaque whatever alpha bytes
    // the source held.
    void copyBlock(gdi::HDC source, QPoint sourceAt, const QRect& target);
    // Copies a picture in at its own size, clipped to the image.
    void drawPicture(const QImage& picture, QPoint at);
    // The pixels as an image that shares the bitmap's memory: valid while this object lives and
    // shows every later change.
    QImage view() const { return bitmap_.view(); }

private:
    MemoryBitmap bitmap_;
};

} // namespace tessel
