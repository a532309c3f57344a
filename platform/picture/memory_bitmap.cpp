#include "platform/picture/memory_bitmap.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

MemoryBitmap::~MemoryBitmap() {
    release();
}

bool MemoryBitmap::create(int width, int height) {
    release();
    if (width <= 0 || height <= 0)
        return false;
    dc_ = gdi::CreateCompatibleDC(0);
    if (dc_ == 0)
        return false;
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down, row for row like a QImage
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = gdi::CreateDIBSection(dc_, &info, gdi::DIB_RGB_COLORS, &bits);
    if (bitmap_ != 0)
        previous_ = gdi::SelectObject(dc_, bitmap_);
    if (previous_ == 0) {
        release();
        return false;
    }
    bits_ = bits;
    width_ = width;
    height_ = height;
    return true;
}

void MemoryBitmap::release() {
    if (previous_ != 0)
        gdi::SelectObject(dc_, previous_);
    if (bitmap_ != 0)
        gdi::DeleteObject(bitmap_);
    if (dc_ != 0)
        gdi::DeleteDC(dc_);
    dc_ = 0;
    bitmap_ = 0;
    previous_ = 0;
    bits_ = nullptr;
    width_ = 0;
    height_ = 0;
}

QImage MemoryBitmap::view() const {
    if (!bits_)
        return QImage();
    return QImage(static_cast<uchar*>(bits_), width_, height_, width_ * 4, QImage::Format_RGB32);
}

QImage MemoryBitmap::opaqueCopy() const {
    if (!bits_)
        return QImage();
    // One pass: the copy is an image the screen takes without a further conversion.
    QImage image(width_, height_, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const auto* from = static_cast<const std::uint32_t*>(bits_);
    for (int y = 0; y < height_; ++y) {
        auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        const std::uint32_t* line = from + static_cast<std::size_t>(y) * width_;
        for (int x = 0; x < width_; ++x)
            to[x] = line[x] | 0xFF000000u;
    }
    return image;
}

void MemoryBitmap::fill(const QRect& area, QRgb pixel) {
    QImage pixels = view();
    const QRect clipped = area & pixels.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        std::fill(line + clipped.left(), line + clipped.right() + 1, pixel);
    }
}

void MemoryBitmap::makeOpaque(const QRect& area) {
    QImage pixels = view();
    const QRect clipped = area & pixels.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            line[x] |= 0xFF000000u;
    }
}

void MemoryBitmap::copyFrom(const MemoryBitmap& other) {
    if (!bits_ || !other.bits_ || other.width_ != width_ || other.height_ != height_)
        return;
    std::memcpy(bits_, other.bits_,
                static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4u);
}
