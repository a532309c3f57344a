// A memory context of the drawing layer with a 32-bit top-down DIB section selected into it,
// whose pixels Qt paints and reads where they lie: the card's persistent image and a picture
// box's images. Owns the context and the bitmap.
#pragma once

#include "platform/gdi/gdi.h"

#include <QImage>
#include <QRect>

class MemoryBitmap {
public:
    MemoryBitmap() = default;
    ~MemoryBitmap();
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    // Releases what is held and makes a bitmap of the given size, every byte 0. False, and
    // empty, when the size is not positive or the drawing layer gives no context or bitmap (out
    // of handles or memory).
    bool create(int width, int height);
    void release();
    bool isValid() const { return bits_ != nullptr; }
    // 0 while empty.
    gdi::HDC hDC() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The pixels as an image that shares the bitmap's memory: the DIB's bytes blue, green, red
    // and a fourth are a QImage's RGB32. Valid while this object holds the bitmap, and shows
    // every later change; null while empty.
    QImage view() const;
    // A copy of the pixels with the fourth byte 255, which the screen takes as it is: the
    // drawing layer leaves it 0 wherever it paints.
    QImage opaqueCopy() const;

    // Sets every pixel of the part of `area` inside the bitmap to `pixel` (0xAARRGGBB).
    void fill(const QRect& area, QRgb pixel);
    // Sets the fourth byte of every pixel of the part of `area` inside the bitmap to 255.
    void makeOpaque(const QRect& area);
    // Copies every pixel of another bitmap of the same size; any other leaves this one as it is.
    void copyFrom(const MemoryBitmap& other);

private:
    gdi::HDC dc_ = 0;
    gdi::HBITMAP bitmap_ = 0;
    gdi::HGDIOBJ previous_ = 0;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
