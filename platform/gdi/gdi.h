// In-memory stand-in for the Windows drawing interface (GDI) that the surface, the card control
// and the main window are written against. Handles are small positive 32-bit integers from one
// process-wide table; this is a shared library, so a handle made by the program stays valid in
// a library it loads later. Every call clips to both rectangles, never touches memory outside a
// buffer and fails by its result on a handle that is not valid. Single-threaded by design, like
// the window's event loop that calls it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gdi {

using HGDIOBJ = std::int32_t;
using HDC = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HWND = std::int32_t;
using COLORREF = std::uint32_t; // 0x00BBGGRR
using DWORD = std::uint32_t;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

constexpr std::uint32_t BI_RGB = 0;
constexpr std::uint32_t DIB_RGB_COLORS = 0;
constexpr std::int32_t OBJ_BITMAP = 7;

constexpr std::uint8_t AC_SRC_OVER = 0;
constexpr std::uint8_t AC_SRC_ALPHA = 1;

constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

// Stock object indices for GetStockObject.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;

#pragma pack(push, 1)
struct BITMAPINFOHEADER {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // positive: rows bottom-up; negative: top-down
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 32;
    std::uint32_t biCompression = BI_RGB;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

struct RGBQUAD {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};

struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};
static_assert(sizeof(BITMAPINFO) == 44);

struct BLENDFUNCTION {
    std::uint8_t BlendOp = AC_SRC_OVER;
    std::uint8_t BlendFlags = 0;
    std::uint8_t SourceConstantAlpha = 255;
    std::uint8_t AlphaFormat = AC_SRC_ALPHA;
};
static_assert(sizeof(BLENDFUNCTION) == 4);
#pragma pack(pop)

// The bitmap record of GetObject. On 32-bit Windows it is 24 bytes; here the bits address is a
// 64-bit pointer, so the record is wider, with the same fields in the same order.
struct BITMAP {
    std::int32_t bmType = 0;
    std::int32_t bmWidth = 0;
    std::int32_t bmHeight = 0;
    std::int32_t bmWidthBytes = 0;
    std::uint16_t bmPlanes = 0;
    std::uint16_t bmBitsPixel = 0;
    void* bmBits = nullptr;
};

// Memory contexts. A new memory context holds a 1 x 1 stock bitmap, the black pen and the white
// brush, like the Windows one; `reference` may be 0, the screen's context or any other context.
HDC CreateCompatibleDC(HDC reference);
bool DeleteDC(HDC dc);

// A 32-bit or 24-bit device-independent bitmap whose rows are bottom-up for a positive height
// and top-down for a negative one, every byte zero. 24-bit rows are padded to 4 bytes. Returns 0
// (and *bits = nullptr) when the header is not one of these or the memory cannot be had.
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, std::uint32_t usage, void** bits,
                         void* section = nullptr, DWORD offset = 0);

// Selects a bitmap, pen or brush into a context and gives back the object it replaces; 0 on
// failure (invalid handles, a bitmap already selected into another context, a bitmap selected
// into the screen's context).
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Frees a bitmap, pen or brush. Fails on an object that is still selected into a context; stock
// objects are never freed.
bool DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
// With `out` null, the size of the record; otherwise fills the bitmap record (cb must hold it).
int GetObject(HGDIOBJ object, int cb, void* out);
// The object of the given kind selected into a context (OBJ_BITMAP only), or 0.
HGDIOBJ GetCurrentObject(HDC dc, std::int32_t type);

// The screen. GetDC gives a context that draws nowhere and reads as empty; ReleaseDC frees it.
HWND GetDesktopWindow();
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// Copies between the bitmaps selected into two contexts (the same context is allowed; the copy
// behaves as if the source were read first). Only SRCCOPY, BLACKNESS and WHITENESS; the alpha
// byte of a 24-bit source arrives as 0 in a 32-bit target. A zero or negative size copies
// nothing and succeeds.
bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop);

// Source-over blend of a 32-bit source: every source channel c is scaled by the constant alpha s
// to c' = c * s / 255, then each target channel becomes c' + d * (255 - a') / 255, clamped to
// 255 (the source is taken as premultiplied). No stretching: the source size must equal the
// target size. The target is clipped to its bitmap; a source rectangle not wholly inside the
// source bitmap fails the call and nothing is painted, as with the Windows call.
bool AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);

HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
// Outline in the selected pen, interior in the selected brush; the right column and the bottom
// row named by the coordinates are not painted. Like the Windows call on a 32-bit bitmap, the
// alpha byte of every painted pixel becomes 0.
bool Rectangle(HDC dc, int left, int top, int right, int bottom);

// Number of live objects (contexts, bitmaps, pens, brushes) for leak checks, like the Windows
// GetGuiResources count.
std::size_t LiveObjectCount();

// Direct access for code that paints a context with another library (the card, the picture
// box): the bitmap selected into the context, its pixel memory and layout. Null on failure.
struct DibView {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0; // always positive
    int stride = 0;
    int bitsPerPixel = 0;
    bool topDown = false;
    std::uint8_t* line(int y) const {
        return bits + static_cast<std::ptrdiff_t>(topDown ? y : height - 1 - y) * stride;
    }
};
bool GetDibView(HDC dc, DibView* view);

} // namespace gdi
