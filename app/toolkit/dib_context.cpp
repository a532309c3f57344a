#include "app/toolkit/dib_context.h"

#include <cstdint>
#include <cstring>

namespace toolkit {

DibContext::~DibContext() {
    release();
}

bool DibContext::create(int width, int height) {
    release();
    if (width <= 0 || height <= 0)
        return false;
    dc_ = gdi::CreateCompatibleDC(0);
    if (dc_ == 0)
        return false;
    gdi::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(gdi::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = gdi::BI_RGB;
    bitmap_ = gdi::CreateDIBSection(dc_, &info, gdi::DIB_RGB_COLORS, &bits_);
    if (bitmap_ == 0) {
        release();
        return false;
    }
    previous_ = gdi::SelectObject(dc_, bitmap_);
    width_ = width;
    height_ = height;
    return true;
}

void DibContext::release() {
    if (dc_ != 0 && previous_ != 0)
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

void DibContext::fill(gdi::COLORREF colour) {
    if (!bits_)
        return;
    // 0x00BBGGRR as the bytes blue, green, red, 0 of a pixel.
    const std::uint32_t pixel =
        ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    auto* p = static_cast<std::uint32_t*>(bits_);
    const std::size_t count = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    for (std::size_t i = 0; i < count; ++i)
        p[i] = pixel;
}

void DibContext::copyFrom(const DibContext& other) {
    if (!bits_ || !other.bits_ || other.width_ != width_ || other.height_ != height_)
        return;
    std::memcpy(bits_, other.bits_,
                static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 4u);
}

QImage DibContext::toImage() const {
    if (!bits_)
        return QImage();
    // One pass that sets the fourth byte, which the drawing layer leaves 0: the result is an
    // opaque image the screen takes as it is, without a further conversion.
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

} // namespace toolkit
