// A memory drawing context of the drawing layer with a 32-bit top-down bitmap selected into it:
// what a picture box draws into. Owns the context and the bitmap.
#pragma once

#include "platform/gdi/gdi.h"

#include <QImage>

namespace toolkit {

class DibContext {
public:
    DibContext() = default;
    ~DibContext();
    DibContext(const DibContext&) = delete;
    DibContext& operator=(const DibContext&) = delete;

    // Releases what is held and makes a context of the given size; false when it cannot.
    bool create(int width, int height);
    void release();
    gdi::HDC hDC() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void fill(gdi::COLORREF colour);
    // Copies the whole of another context of the same size.
    void copyFrom(const DibContext& other);
    // The pixels as an opaque image, for painting on screen.
    QImage toImage() const;

private:
    gdi::HDC dc_ = 0;
    gdi::HBITMAP bitmap_ = 0;
    gdi::HGDIOBJ previous_ = 0;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace toolkit
