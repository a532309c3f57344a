// The card's persistent image: a 32-bit DIB section of the card's size selected into a memory
// device context of the drawing layer. It holds the background colour, the background picture
// and the last thumbnail copied in, and is what the card surface shows under its parts.
#pragma once

#include "platform/gdi/gdi.h"

#include <QImage>

namespace tessel {

class PersistentImage {
public:
    PersistentImage(int width, int height);
    ~PersistentImage();
    PersistentImage(const PersistentImage&) = delete;
    PersistentImage& operator=(const PersistentImage&) = delete;

    // False when the drawing layer gave no context or bitmap (out of handles or memory).
    bool isValid() const { return dc_ != 0 && bitmap_ != 0; }
    gdi::HDC dc() const { return dc_; }

    void fill(const QRect& area, gdi::COLORREF colour);
    // A plain block copy from a drawing context to `target`, shown opaque whatever alpha bytes
    // the source held.
    void copyBlock(gdi::HDC source, QPoint sourceAt, const QRect& target);
    // Copies a picture in at its own size, clipped to the image.
    void drawPicture(const QImage& picture, QPoint at);
    // The pixels as an image that shares the DIB's memory: valid while this object lives and
    // shows every later change.
    QImage view() const;

private:
    gdi::HDC dc_ = 0;
    gdi::HBITMAP bitmap_ = 0;
    gdi::HGDIOBJ previous_ = 0;
};

} // namespace tessel
