// Helpers for surface tests: reading a surface's pixels by line counted from the top, and a
// memory context with its own bitmap to paint into and copy from.
#pragma once

#include "platform/gdi/gdi.h"
#include "surface/alpha_surface.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace surfacetest {

using Bgra = std::array<int, 4>;

// Pixel x of line `line` (from the top) of a surface, read from its bottom-up pixel memory.
inline Bgra pixelAt(const cAlphaSurface& surface, int x, int line) {
    const std::uint8_t* p =
        surface.DIBSectionBitsPtr() +
        static_cast<std::ptrdiff_t>(surface.Height() - 1 - line) * surface.BytesPerScanLine() +
        4 * x;
    return {p[0], p[1], p[2], p[3]};
}

inline void setPixel(cAlphaSurface& surface, int x, int line, Bgra value) {
    std::uint8_t* p =
        surface.DIBSectionBitsPtr() +
        static_cast<std::ptrdiff_t>(surface.Height() - 1 - line) * surface.BytesPerScanLine() +
        4 * x;
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value[i]);
}

// FNV-1a over the surface's whole pixel memory.
inline std::uint64_t pixelHash(const cAlphaSurface& surface) {
    std::uint64_t hash = 1469598103934665603ull;
    const std::size_t size =
        static_cast<std::size_t>(surface.BytesPerScanLine()) * surface.Height();
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ surface.DIBSectionBitsPtr()[i]) * 1099511628211ull;
    return hash;
}

// A memory context with a fresh 32-bit or 24-bit bitmap of its own selected.
class Canvas {
public:
    Canvas(int width, int height, int bitsPerPixel = 32) {
        dc_ = gdi::CreateCompatibleDC(0);
        gdi::BITMAPINFO info{};
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = height;
        info.bmiHeader.biBitCount = static_cast<std::uint16_t>(bitsPerPixel);
        void* bits = nullptr;
        bitmap_ = gdi::CreateDIBSection(dc_, &info, gdi::DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = gdi::SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        gdi::SelectObject(dc_, previous_);
        gdi::DeleteObject(bitmap_);
        gdi::DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    gdi::HDC dc() const { return dc_; }
    gdi::HBITMAP bitmap() const { return bitmap_; }
    // Deselects the bitmap so that it can be selected elsewhere.
    void releaseBitmap() { gdi::SelectObject(dc_, previous_); }

    Bgra at(int x, int y) const {
        gdi::DibView view;
        gdi::GetDibView(dc_, &view);
        const std::uint8_t* p = view.line(y) + x * (view.bitsPerPixel / 8);
        return {p[0], p[1], p[2], view.bitsPerPixel == 32 ? p[3] : -1};
    }
    void set(int x, int y, Bgra value) const {
        gdi::DibView view;
        gdi::GetDibView(dc_, &view);
        std::uint8_t* p = view.line(y) + x * (view.bitsPerPixel / 8);
        for (int i = 0; i < view.bitsPerPixel / 8; ++i)
            p[i] = static_cast<std::uint8_t>(value[i]);
    }
    void fill(Bgra value) const {
        gdi::DibView view;
        gdi::GetDibView(dc_, &view);
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x)
                set(x, y, value);
    }

private:
    gdi::HDC dc_ = 0;
    gdi::HBITMAP bitmap_ = 0;
    gdi::HGDIOBJ previous_ = 0;
};

} // namespace surfacetest
