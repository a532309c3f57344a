#include "app/window/strip_block.h"

#include "app/thumbnail_cell.h"

namespace {

// Where a cell's block begins: one pixel right of the cell's left edge.
constexpr std::int32_t kBlockOffset = 1;

} // namespace

cAlphaSurface& existingStrip(std::unique_ptr<cAlphaSurface>& strip) {
    if (!strip) {
        strip = std::make_unique<cAlphaSurface>();
        strip->Create(kStripWidth, kStripHeight);
    }
    return *strip;
}

void copyCellBlock(const cAlphaSurface& from, std::int32_t fromStripX, const cAlphaSurface& to,
                   std::int32_t toStripX) {
    gdi::BitBlt(to.hDC(), toStripX + kBlockOffset, 0, kStripCellSize, kStripHeight, from.hDC(),
                fromStripX + kBlockOffset, 0, gdi::SRCCOPY);
}

KeptCellBlock::KeptCellBlock(const cAlphaSurface& strip, std::int32_t stripX)
    : stripX_(stripX) {
    kept_.Create(kStripCellSize, kStripHeight);
    gdi::BitBlt(kept_.hDC(), 0, 0, kStripCellSize, kStripHeight, strip.hDC(), stripX + kBlockOffset,
                0, gdi::SRCCOPY);
}

void KeptCellBlock::restore(const cAlphaSurface& strip) const {
    gdi::BitBlt(strip.hDC(), stripX_ + kBlockOffset, 0, kStripCellSize, kStripHeight, kept_.hDC(),
                0, 0, gdi::SRCCOPY);
}
