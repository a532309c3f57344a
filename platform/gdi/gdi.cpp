#include "platform/gdi/gdi.h"

#include "platform/gdi/blend_line.h"
#include "platform/gdi/dib_section_for_overwrite.h"

#include <algorithm>
#include <climits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <cstdlib>
#include <cstring>
#include <memory>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <variant>

namespace gdi {
namespace {

struct FreeDeleter {
    void operator()(std::uint8_t* p) const { std::free(p); }
};

struct BitmapObject {
    int width = 0;
    int height = 0; // positive
    bool topDown = false;
    int bitsPerPixel = 32;
    int stride = 0;
    std::unique_ptr<std::uint8_t, FreeDeleter> bits;
    HDC selectedInto = 0;
    bool stock = false;

    DibView view() const { return {bits.get(), width, height, stride, bitsPerPixel, topDown}; }
};

struct PenObject {
    int style = PS_SOLID;
    int width = 1;
    COLORREF colour = 0;
    bool stock = false;
};

struct BrushObject {
    COLORREF colour = 0;
    bool hollow = false;
    bool stock = false;
};

struct DcObject {
    bool screen = false;
    HBITMAP bitmap = 0;
    HPEN pen = 0;
    HBRUSH brush = 0;
};

using Object = std::variant<DcObject, BitmapObject, PenObject, BrushObject>;

constexpr HWND kDesktopWindow = 1;
constexpr std::int64_t kMaxBitmapBytes = INT32_MAX;

struct Table {
    std::unordered_map<HGDIOBJ, Object> objects;
    HGDIOBJ nextHandle = 1;
    std::size_t stockCount = 0;
    HGDIOBJ stock[NULL_PEN + 1] = {};
    HBITMAP stockBitmap = 0;

    HGDIOBJ add(Object object) {
        // Handles are never reused, so a stale handle can never reach a newer object.
        if (nextHandle == INT32_MAX)
            return 0;
        const HGDIOBJ handle = nextHandle++;
        objects.emplace(handle, std::move(object));
        return handle;
    }

    template <typename T>
    T* find(HGDIOBJ handle) {
        auto it = objects.find(handle);
        return it == objects.end() ? nullptr : std::get_if<T>(&it->second);
    }
};

HBITMAP makeStockBitmap(Table& t);

Table& table() {
    static Table* instance = [] {
        auto* t = new Table; // never destroyed: handles may be released during exit
        auto addStock = [t](Object o) {
            ++t->stockCount;
            return t->add(std::move(o));
        };
        t->stock[WHITE_BRUSH] = addStock(BrushObject{0x00FFFFFF, false, true});
        t->stock[BLACK_BRUSH] = addStock(BrushObject{0, false, true});
        t->stock[NULL_BRUSH] = addStock(BrushObject{0, true, true});
        t->stock[WHITE_PEN] = addStock(PenObject{PS_SOLID, 1, 0x00FFFFFF, true});
        t->stock[BLACK_PEN] = addStock(PenObject{PS_SOLID, 1, 0, true});
        t->stock[NULL_PEN] = addStock(PenObject{PS_NULL, 1, 0, true});
        t->stockBitmap = makeStockBitmap(*t);
        ++t->stockCount;
        return t;
    }();
    return *instance;
}

HBITMAP makeStockBitmap(Table& t) {
    BitmapObject b;
    b.width = 1;
    b.height = 1;
    b.stride = 4;
    b.bits.reset(static_cast<std::uint8_t*>(std::calloc(1, 4)));
    b.stock = true;
    return t.add(std::move(b));
}

BitmapObject* selectedBitmap(Table& t, const DcObject& dc) {
    return dc.screen ? nullptr : t.find<BitmapObject>(dc.bitmap);
}

// A rectangle clipped against the target bitmap and, for copies, the source bitmap.
struct Span {
    int targetX = 0, targetY = 0, sourceX = 0, sourceY = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
};

Span clip(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, std::int64_t targetW,
          std::int64_t targetH, std::int64_t sx, std::int64_t sy, std::int64_t sourceW,
          std::int64_t sourceH) {
    const std::int64_t left = std::max({std::int64_t{0}, x, x - sx});
    const std::int64_t right = std::min({targetW, x + w, x + (sourceW - sx)});
    const std::int64_t top = std::max({std::int64_t{0}, y, y - sy});
    const std::int64_t bottom = std::min({targetH, y + h, y + (sourceH - sy)});
    Span s;
    if (right <= left || bottom <= top)
        return s;
    s.targetX = static_cast<int>(left);
    s.targetY = static_cast<int>(top);
    s.sourceX = static_cast<int>(sx + (left - x));
    s.sourceY = static_cast<int>(sy + (top - y));
    s.width = static_cast<int>(right - left);
    s.height = static_cast<int>(bottom - top);
    return s;
}

void copyRow(const BitmapObject& from, const std::uint8_t* src, const BitmapObject& to,
             std::uint8_t* dst, int count) {
    if (from.bitsPerPixel == to.bitsPerPixel) {
        std::memmove(dst, src, static_cast<std::size_t>(count) * (to.bitsPerPixel / 8));
    } else if (from.bitsPerPixel == 24) {
        for (int i = 0; i < count; ++i, src += 3, dst += 4) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            dst[3] = 0;
        }
    } else {
        for (int i = 0; i < count; ++i, src += 4, dst += 3) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
        }
    }
}

// Whole pixels, four to a store: the catalogue scan clears its 8 MB thumbnail strip with this.
void fillRow32(std::uint8_t* p, int count, std::uint32_t pixel) {
    int x = 0;
#if defined(__SSE2__)
    const __m128i four = _mm_set1_epi32(static_cast<int>(pixel));
    for (; x + 4 <= count; x += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4 * static_cast<std::ptrdiff_t>(x)), four);
#endif
    for (; x < count; ++x)
        std::memcpy(p + 4 * static_cast<std::ptrdiff_t>(x), &pixel, 4);
}

void fillRow24(std::uint8_t* p, int count, std::uint8_t blue, std::uint8_t green,
               std::uint8_t red) {
    for (int x = 0; x < count; ++x, p += 3) {
        p[0] = blue;
        p[1] = green;
        p[2] = red;
    }
}

// Any extent in 64 bits: what lies outside the bitmap is cut off before a pixel is addressed.
// A 32-bit pixel gets 0 in its alpha byte, as from the Windows calls.
void fillSpan(const BitmapObject& b, std::int64_t fromX, std::int64_t fromY, std::int64_t toX,
              std::int64_t toY, COLORREF colour) {
    const int left = static_cast<int>(std::clamp<std::int64_t>(fromX, 0, b.width));
    const int top = static_cast<int>(std::clamp<std::int64_t>(fromY, 0, b.height));
    const int right = static_cast<int>(std::clamp<std::int64_t>(toX, 0, b.width));
    const int bottom = static_cast<int>(std::clamp<std::int64_t>(toY, 0, b.height));
    if (right <= left || bottom <= top)
        return;
    const std::uint8_t red = colour & 0xFF, green = (colour >> 8) & 0xFF,
                       blue = (colour >> 16) & 0xFF;
    const std::uint32_t pixel =
        std::uint32_t{blue} | std::uint32_t{green} << 8 | std::uint32_t{red} << 16;
    const DibView v = b.view();
    const int bytes = b.bitsPerPixel / 8;
    for (int y = top; y < bottom; ++y) {
        std::uint8_t* p = v.line(y) + static_cast<std::ptrdiff_t>(left) * bytes;
        if (bytes == 4)
            fillRow32(p, right - left, pixel);
        else
            fillRow24(p, right - left, blue, green, red);
    }
}

} // namespace

HDC CreateCompatibleDC(HDC reference) {
    Table& t = table();
    if (reference != 0 && !t.find<DcObject>(reference))
        return 0;
    DcObject dc;
    dc.bitmap = t.stockBitmap;
    dc.pen = t.stock[BLACK_PEN];
    dc.brush = t.stock[WHITE_BRUSH];
    return t.add(dc);
}

bool DeleteDC(HDC handle) {
    Table& t = table();
    DcObject* dc = t.find<DcObject>(handle);
    if (!dc || dc->screen)
        return false;
    if (BitmapObject* b = t.find<BitmapObject>(dc->bitmap); b && !b->stock)
        b->selectedInto = 0;
    t.objects.erase(handle);
    return true;
}

namespace {

// The pixel memory of a new bitmap: zeroed, or as the allocator gives it for a caller that
// writes every byte before anything reads it.
enum class NewPixels { Zeroed, ForOverwrite };

HBITMAP createDibSection(const BITMAPINFO* info, std::uint32_t usage, void** bits,
                         NewPixels pixels) {
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS)
        return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biWidth <= 0 || h.biHeight == 0 ||
        h.biHeight == INT32_MIN || h.biPlanes != 1 || h.biCompression != BI_RGB ||
        (h.biBitCount != 32 && h.biBitCount != 24))
        return 0;
    const std::int64_t stride = ((std::int64_t{h.biWidth} * h.biBitCount + 31) / 32) * 4;
    const std::int64_t rows = h.biHeight < 0 ? -std::int64_t{h.biHeight} : h.biHeight;
    if (stride * rows > kMaxBitmapBytes)
        return 0;
    BitmapObject b;
    b.width = h.biWidth;
    b.height = static_cast<int>(rows);
    b.topDown = h.biHeight < 0;
    b.bitsPerPixel = h.biBitCount;
    b.stride = static_cast<int>(stride);
    const auto size = static_cast<std::size_t>(stride * rows);
    b.bits.reset(static_cast<std::uint8_t*>(pixels == NewPixels::Zeroed ? std::calloc(size, 1)
                                                                        : std::malloc(size)));
    if (!b.bits)
        return 0;
    void* address = b.bits.get();
    const HBITMAP handle = table().add(std::move(b));
    if (handle && bits)
        *bits = address;
    return handle;
}

} // namespace

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, std::uint32_t usage, void** bits, void*,
                         DWORD) {
    return createDibSection(info, usage, bits, NewPixels::Zeroed);
}

HBITMAP CreateDIBSectionForOverwrite(const BITMAPINFO* info, void** bits) {
    return createDibSection(info, DIB_RGB_COLORS, bits, NewPixels::ForOverwrite);
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ object) {
    Table& t = table();
    DcObject* dc = t.find<DcObject>(handle);
    if (!dc)
        return 0;
    if (BitmapObject* b = t.find<BitmapObject>(object)) {
        if (dc->screen)
            return 0;
        if (!b->stock && b->selectedInto != 0 && b->selectedInto != handle)
            return 0;
        const HBITMAP previous = dc->bitmap;
        if (BitmapObject* old = t.find<BitmapObject>(previous); old && !old->stock)
            old->selectedInto = 0;
        if (!b->stock)
            b->selectedInto = handle;
        dc->bitmap = object;
        return previous;
    }
    if (t.find<PenObject>(object))
        return std::exchange(dc->pen, object);
    if (t.find<BrushObject>(object))
        return std::exchange(dc->brush, object);
    return 0;
}

bool DeleteObject(HGDIOBJ object) {
    Table& t = table();
    auto it = t.objects.find(object);
    if (it == t.objects.end() || std::holds_alternative<DcObject>(it->second))
        return false;
    const bool stock = std::visit(
        [](const auto& o) {
            if constexpr (std::is_same_v<std::decay_t<decltype(o)>, DcObject>)
                return false;
            else
                return o.stock;
        },
        it->second);
    if (stock)
        return true;
    if (auto* b = std::get_if<BitmapObject>(&it->second); b && b->selectedInto != 0)
        return false;
    t.objects.erase(it);
    return true;
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index > NULL_PEN)
        return 0;
    return table().stock[index];
}

int GetObject(HGDIOBJ object, int cb, void* out) {
    const BitmapObject* b = table().find<BitmapObject>(object);
    if (!b)
        return 0;
    if (!out)
        return sizeof(BITMAP);
    if (cb < static_cast<int>(sizeof(BITMAP)))
        return 0;
    BITMAP record;
    record.bmType = 0;
    record.bmWidth = b->width;
    record.bmHeight = b->height;
    record.bmWidthBytes = b->stride;
    record.bmPlanes = 1;
    record.bmBitsPixel = static_cast<std::uint16_t>(b->bitsPerPixel);
    record.bmBits = b->bits.get();
    std::memcpy(out, &record, sizeof record);
    return sizeof(BITMAP);
}

HGDIOBJ GetCurrentObject(HDC handle, std::int32_t type) {
    const DcObject* dc = table().find<DcObject>(handle);
    if (!dc)
        return 0;
    switch (type) {
    case OBJ_BITMAP:
        return dc->screen ? 0 : dc->bitmap;
    case 1: // OBJ_PEN
        return dc->pen;
    case 2: // OBJ_BRUSH
        return dc->brush;
    default:
        return 0;
    }
}

HWND GetDesktopWindow() {
    return kDesktopWindow;
}

HDC GetDC(HWND window) {
    if (window != 0 && window != kDesktopWindow)
        return 0;
    Table& t = table();
    DcObject dc;
    dc.screen = true;
    dc.pen = t.stock[BLACK_PEN];
    dc.brush = t.stock[WHITE_BRUSH];
    return t.add(dc);
}

int ReleaseDC(HWND, HDC handle) {
    Table& t = table();
    const DcObject* dc = t.find<DcObject>(handle);
    if (!dc || !dc->screen)
        return 0;
    t.objects.erase(handle);
    return 1;
}

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
            int sourceY, DWORD rop) {
    Table& t = table();
    const DcObject* target = t.find<DcObject>(destination);
    if (!target)
        return false;
    if (rop != SRCCOPY && rop != BLACKNESS && rop != WHITENESS)
        return false;
    const DcObject* from = nullptr;
    if (rop == SRCCOPY && !(from = t.find<DcObject>(source)))
        return false;
    if (width <= 0 || height <= 0)
        return true;
    const BitmapObject* to = selectedBitmap(t, *target);
    if (!to)
        return true; // the screen: nothing to draw on
    if (rop != SRCCOPY) {
        const Span s =
            clip(x, y, width, height, to->width, to->height, 0, 0, INT64_MAX / 4, INT64_MAX / 4);
        if (!s.empty())
            fillSpan(*to, s.targetX, s.targetY, s.targetX + s.width, s.targetY + s.height,
                     rop == WHITENESS ? 0x00FFFFFF : 0);
        return true;
    }
    const BitmapObject* src = selectedBitmap(t, *from);
    if (!src)
        return true; // the screen reads as empty
    const Span s =
        clip(x, y, width, height, to->width, to->height, sourceX, sourceY, src->width, src->height);
    if (s.empty())
        return true;
    const DibView tv = to->view(), sv = src->view();
    const int targetBytes = to->bitsPerPixel / 8, sourceBytes = src->bitsPerPixel / 8;
    // Within one bitmap, walk the lines away from the overlap so no line is read after it was
    // overwritten.
    const bool upwards = (to == src) && s.targetY > s.sourceY;
    for (int i = 0; i < s.height; ++i) {
        const int row = upwards ? s.height - 1 - i : i;
        copyRow(
            *src, sv.line(s.sourceY + row) + static_cast<std::ptrdiff_t>(s.sourceX) * sourceBytes,
            *to, tv.line(s.targetY + row) + static_cast<std::ptrdiff_t>(s.targetX) * targetBytes,
            s.width);
    }
    return true;
}

bool AlphaBlend(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend) {
    Table& t = table();
    const DcObject* target = t.find<DcObject>(destination);
    const DcObject* from = t.find<DcObject>(source);
    if (!target || !from || blend.BlendOp != AC_SRC_OVER || blend.BlendFlags != 0 ||
        (blend.AlphaFormat != 0 && blend.AlphaFormat != AC_SRC_ALPHA))
        return false;
    if (width < 0 || height < 0 || width != sourceWidth || height != sourceHeight)
        return false;
    const BitmapObject* src = selectedBitmap(t, *from);
    if (!src || src->bitsPerPixel != 32)
        return false;
    // Unlike a copy, a blend is not clipped to its source: a source rectangle that reaches past
    // the source bitmap refuses the whole call and paints nothing.
    if (sourceX < 0 || sourceY < 0 || std::int64_t{sourceX} + width > src->width ||
        std::int64_t{sourceY} + height > src->height)
        return false;
    const BitmapObject* to = selectedBitmap(t, *target);
    if (!to)
        return true;
    const Span s =
        clip(x, y, width, height, to->width, to->height, sourceX, sourceY, src->width, src->height);
    if (s.empty())
        return true;
    const DibView tv = to->view(), sv = src->view();
    const std::uint32_t constant = blend.SourceConstantAlpha;
    const bool perPixel = blend.AlphaFormat == AC_SRC_ALPHA;
    const int targetBytes = to->bitsPerPixel / 8;
    // Source and target may be the same bitmap; blending in place reads each source pixel
    // before its own target write, which is what the line order below guarantees for rows
    // and the column order for the pixels of one line.
    const bool upwards = (to == src) && s.targetY > s.sourceY;
    const bool leftwards = (to == src) && s.targetX > s.sourceX;
    const int firstCol = leftwards ? s.width - 1 : 0;
    const int colStep = leftwards ? -1 : 1;
    for (int i = 0; i < s.height; ++i) {
        const int row = upwards ? s.height - 1 - i : i;
        const std::uint8_t* sp =
            sv.line(s.sourceY + row) + static_cast<std::ptrdiff_t>(s.sourceX + firstCol) * 4;
        std::uint8_t* dp = tv.line(s.targetY + row) +
                           static_cast<std::ptrdiff_t>(s.targetX + firstCol) * targetBytes;
        if (perPixel && constant == 255 && targetBytes == 4) {
            blend::blendLine(sp, dp, s.width, colStep);
            continue;
        }
        for (int n = 0; n < s.width; ++n, sp += 4 * colStep, dp += targetBytes * colStep) {
            std::uint32_t c[4] = {sp[0], sp[1], sp[2], perPixel ? sp[3] : 255u};
            if (constant != 255)
                for (auto& v : c)
                    v = blend::div255(v * constant);
            const std::uint32_t keep = 255 - c[3];
            for (int k = 0; k < targetBytes; ++k)
                dp[k] =
                    static_cast<std::uint8_t>(std::min(255u, c[k] + blend::div255(dp[k] * keep)));
        }
    }
    return true;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID && style != PS_NULL)
        return 0;
    return table().add(PenObject{style, std::max(width, 1), colour & 0x00FFFFFF, false});
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    return table().add(BrushObject{colour & 0x00FFFFFF, false, false});
}

bool Rectangle(HDC handle, int left, int top, int right, int bottom) {
    Table& t = table();
    const DcObject* dc = t.find<DcObject>(handle);
    if (!dc)
        return false;
    const BitmapObject* b = selectedBitmap(t, *dc);
    if (!b)
        return true;
    // In 64 bits: the extent of two 32-bit coordinates, and the pen's width added to them, do
    // not fit in 32.
    std::int64_t l = left, tp = top, r = right, bt = bottom;
    if (l > r)
        std::swap(l, r);
    if (tp > bt)
        std::swap(tp, bt);
    const PenObject* pen = t.find<PenObject>(dc->pen);
    const BrushObject* brush = t.find<BrushObject>(dc->brush);
    std::int64_t inset = 0;
    if (pen && pen->style != PS_NULL) {
        const std::int64_t w =
            std::min({std::int64_t{pen->width}, (r - l + 1) / 2, (bt - tp + 1) / 2});
        fillSpan(*b, l, tp, r, tp + w, pen->colour);
        fillSpan(*b, l, bt - w, r, bt, pen->colour);
        fillSpan(*b, l, tp + w, l + w, bt - w, pen->colour);
        fillSpan(*b, r - w, tp + w, r, bt - w, pen->colour);
        inset = w;
    }
    if (brush && !brush->hollow)
        fillSpan(*b, l + inset, tp + inset, r - inset, bt - inset, brush->colour);
    return true;
}

std::size_t LiveObjectCount() {
    const Table& t = table();
    return t.objects.size() - t.stockCount;
}

bool GetDibView(HDC handle, DibView* view) {
    Table& t = table();
    const DcObject* dc = t.find<DcObject>(handle);
    if (!dc || !view)
        return false;
    const BitmapObject* b = selectedBitmap(t, *dc);
    if (!b || b->stock)
        return false;
    *view = b->view();
    return true;
}

} // namespace gdi
