#include "app/mod_main.h"

void FillRectangle(gdi::HDC hDC, std::int32_t left, std::int32_t top, std::int32_t right,
                   std::int32_t bottom, gdi::COLORREF colour) {
    const gdi::HPEN pen = gdi::CreatePen(gdi::PS_SOLID, 1, colour);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(colour);
    const gdi::HGDIOBJ previousPen = gdi::SelectObject(hDC, pen);
    const gdi::HGDIOBJ previousBrush = gdi::SelectObject(hDC, brush);
    gdi::Rectangle(hDC, left, top, right, bottom);
    // Selected objects cannot be deleted: put the context's own back first.
    if (previousPen)
        gdi::SelectObject(hDC, previousPen);
    if (previousBrush)
        gdi::SelectObject(hDC, previousBrush);
    gdi::DeleteObject(pen);
    gdi::DeleteObject(brush);
}
