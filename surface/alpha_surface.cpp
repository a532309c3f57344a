#include "surface/alpha_surface.h"

#include "platform/gdi/dib_section_for_overwrite.h"
#include "platform/system/format_message.h"

#include <limits>

namespace {

bool outsideInt32(std::int64_t value) {
    return value > std::numeric_limits<std::int32_t>::max() ||
           value < std::numeric_limits<std::int32_t>::min();
}

} // namespace

cAlphaSurface::cAlphaSurface() = default;

cAlphaSurface::~cAlphaSurface() {
    Destroy();
}

void cAlphaSurface::UseDrawDib(bool on) {
    if (on && drawDib_ == 0)
        drawDib_ = drawdib::DrawDibOpen();
    if (!on && drawDib_ != 0) {
        drawdib::DrawDibClose(drawDib_);
        drawDib_ = 0;
    }
}

std::int32_t cAlphaSurface::fillBitmapInfo(std::int32_t width, std::int32_t height) {
    gdi::BITMAPINFOHEADER& header = info_.bmiHeader;
    header = gdi::BITMAPINFOHEADER{};
    header.biWidth = width;
    header.biHeight = height;
    bytesPerScanLine_ = 0;
    const std::int64_t scanLine = std::int64_t{4} * width;
    if (outsideInt32(scanLine))
        throw SurfaceOverflowError("4 x width leaves the 32-bit range");
    bytesPerScanLine_ = static_cast<std::int32_t>(scanLine);
    const std::int64_t imageSize = std::int64_t{height} * scanLine;
    if (outsideInt32(imageSize))
        throw SurfaceOverflowError("the image size leaves the 32-bit range");
    return static_cast<std::int32_t>(imageSize);
}

bool cAlphaSurface::CreateDIB(gdi::HDC dc, std::int32_t width, std::int32_t height,
                              gdi::HBITMAP& bitmap) {
    return createDibSection(dc, width, height, bitmap, NewPixels::Zeroed);
}

bool cAlphaSurface::createDibSection(gdi::HDC dc, std::int32_t width, std::int32_t height,
                                     gdi::HBITMAP& bitmap, NewPixels pixels) {
    bitmap = 0;
    bits_ = nullptr;
    const std::int32_t imageSize = fillBitmapInfo(width, height);
    // A negative height would turn the rows top-down, and everything that addresses the pixel
    // memory relies on them being bottom-up.
    if (width <= 0 || height <= 0)
        return false;
    info_.bmiHeader.biSizeImage = static_cast<std::uint32_t>(imageSize);
    void* address = nullptr;
    bitmap = pixels == NewPixels::Zeroed
                 ? gdi::CreateDIBSection(dc, &info_, gdi::DIB_RGB_COLORS, &address, nullptr, 0)
                 : gdi::CreateDIBSectionForOverwrite(&info_, &address);
    if (bitmap != 0)
        bits_ = static_cast<std::uint8_t*>(address);
    return bitmap != 0;
}

bool cAlphaSurface::Create(std::int32_t width, std::int32_t height) {
    return createSurface(width, height, NewPixels::Zeroed);
}

bool cAlphaSurface::createSurface(std::int32_t width, std::int32_t height, NewPixels pixels) {
    const bool drawDibWasOn = UseDrawDib();
    ClearUp();
    hDC_ = gdi::CreateCompatibleDC(0);
    if (hDC_ == 0)
        return false;
    bool created = false;
    try {
        created = createDibSection(hDC_, width, height, hDIB_, pixels);
    } catch (const SurfaceOverflowError&) {
        gdi::DeleteDC(hDC_);
        hDC_ = 0;
        throw;
    }
    if (created)
        previousBitmap_ = gdi::SelectObject(hDC_, hDIB_);
    if (!created || previousBitmap_ == 0) {
        ClearUp();
        return false;
    }
    UseDrawDib(drawDibWasOn);
    return true;
}

void cAlphaSurface::CreateFromHBitmap(gdi::HBITMAP bitmap) {
    gdi::BITMAP record{};
    gdi::GetObject(bitmap, sizeof record, &record);
    if (!Create(record.bmWidth, record.bmHeight))
        return;
    const gdi::HWND desktop = gdi::GetDesktopWindow();
    const gdi::HDC screen = gdi::GetDC(desktop);
    if (screen == 0)
        return;
    const gdi::HDC temporary = gdi::CreateCompatibleDC(screen);
    gdi::ReleaseDC(desktop, screen);
    if (temporary == 0)
        return;
    const gdi::HGDIOBJ previous = gdi::SelectObject(temporary, bitmap);
    // Without the bitmap selected, the copy would read the context's 1 x 1 stock bitmap.
    if (previous != 0) {
        LoadPictureBlt(temporary, 0, 0, -1, -1, gdi::SRCCOPY);
        gdi::SelectObject(temporary, previous);
    }
    gdi::DeleteDC(temporary);
}

void cAlphaSurface::wholeSurfaceForNegative(std::int32_t& width, std::int32_t& height) const {
    if (width < 0)
        width = Width();
    if (height < 0)
        height = Height();
}

void cAlphaSurface::LoadPictureBlt(gdi::HDC source, std::int32_t sx, std::int32_t sy,
                                   std::int32_t width, std::int32_t height, gdi::DWORD rop) {
    wholeSurfaceForNegative(width, height);
    gdi::BitBlt(hDC_, 0, 0, width, height, source, sx, sy, rop);
}

void cAlphaSurface::PaintPicture(gdi::HDC destination, std::int32_t dx, std::int32_t dy,
                                 std::int32_t width, std::int32_t height, std::int32_t sx,
                                 std::int32_t sy, gdi::DWORD rop) {
    wholeSurfaceForNegative(width, height);
    if (drawDib_ != 0)
        drawdib::DrawDibDraw(drawDib_, destination, dx, dy, width, height, &info_.bmiHeader, bits_,
                             sx, sy, width, height, 0);
    else
        gdi::BitBlt(destination, dx, dy, width, height, hDC_, sx, sy, rop);
}

void cAlphaSurface::AlphaPaintPicture(gdi::HDC destination, std::int32_t dx, std::int32_t dy,
                                      std::int32_t width, std::int32_t height, std::int32_t sx,
                                      std::int32_t sy, std::uint8_t constantAlpha) {
    wholeSurfaceForNegative(width, height);
    gdi::BLENDFUNCTION blend;
    blend.BlendOp = gdi::AC_SRC_OVER;
    blend.BlendFlags = 0;
    blend.SourceConstantAlpha = constantAlpha;
    blend.AlphaFormat = gdi::AC_SRC_ALPHA;
    // A failed blend leaves the destination as it was; callers have nothing to do about it.
    gdi::AlphaBlend(destination, dx, dy, width, height, hDC_, sx, sy, width, height, blend);
}

void cAlphaSurface::ClearUp() {
    if (hDC_ != 0) {
        if (hDIB_ != 0) {
            gdi::SelectObject(hDC_, previousBitmap_);
            gdi::DeleteObject(hDIB_);
        }
        gdi::DeleteDC(hDC_);
    }
    hDC_ = 0;
    hDIB_ = 0;
    previousBitmap_ = 0;
    bits_ = nullptr;
    UseDrawDib(false);
}

std::string cAlphaSurface::ApiErrorText(std::uint32_t code) {
    char buffer[256];
    const winsys::DWORD length = winsys::FormatMessageA(
        winsys::FORMAT_MESSAGE_FROM_SYSTEM | winsys::FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}
