#include "surface/draw_dib.h"

#include <cstring>
#include <set>

namespace drawdib {
namespace {

std::set<HDRAWDIB>& openInstances() {
    static std::set<HDRAWDIB> instances;
    return instances;
}

} // namespace

HDRAWDIB DrawDibOpen() {
    static HDRAWDIB next = 1;
    if (next == INT32_MAX)
        return 0;
    const HDRAWDIB instance = next++;
    openInstances().insert(instance);
    return instance;
}

bool DrawDibClose(HDRAWDIB instance) {
    return openInstances().erase(instance) == 1;
}

bool DrawDibDraw(HDRAWDIB instance, gdi::HDC destination, int xDst, int yDst, int dxDst, int dyDst,
                 const gdi::BITMAPINFOHEADER* header, const void* bits, int xSrc, int ySrc,
                 int dxSrc, int dySrc, unsigned) {
    if (!openInstances().contains(instance) || !header || !bits || dxDst != dxSrc ||
        dyDst != dySrc || header->biBitCount != 32 || header->biCompression != gdi::BI_RGB ||
        header->biWidth <= 0 || header->biHeight <= 0)
        return false;
    // Drawing goes through a copy of the pixels in a bitmap of the drawing layer, so clipping
    // and the row order are exactly those of BitBlt.
    gdi::BITMAPINFO info{};
    info.bmiHeader = *header;
    void* copy = nullptr;
    const gdi::HBITMAP bitmap =
        gdi::CreateDIBSection(0, &info, gdi::DIB_RGB_COLORS, &copy, nullptr, 0);
    if (!bitmap)
        return false;
    std::memcpy(copy, bits,
                static_cast<std::size_t>(header->biWidth) * 4 *
                    static_cast<std::size_t>(header->biHeight));
    bool drawn = false;
    if (const gdi::HDC source = gdi::CreateCompatibleDC(0)) {
        const gdi::HGDIOBJ previous = gdi::SelectObject(source, bitmap);
        drawn =
            gdi::BitBlt(destination, xDst, yDst, dxDst, dyDst, source, xSrc, ySrc, gdi::SRCCOPY);
        gdi::SelectObject(source, previous);
        gdi::DeleteDC(source);
    }
    gdi::DeleteObject(bitmap);
    return drawn;
}

} // namespace drawdib
