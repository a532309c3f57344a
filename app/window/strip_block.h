// The blocks that copying and deleting move between thumbnail cells. Each is 100 x 100 pixels
// with its left edge one pixel right of its cell's StripX (the strip's column 0 and each cell's
// first column lie under the card's frame), and goes to the same place of the target cell by a
// plain copy.
#pragma once

#include "surface/alpha_surface.h"

#include <cstdint>
#include <memory>

// The pane's strip, created empty (all zero) when it does not exist yet.
cAlphaSurface& existingStrip(std::unique_ptr<cAlphaSurface>& strip);

// Copies the block of the cell at fromStripX of `from` to the cell at toStripX of `to`; the two
// may be the same strip.
void copyCellBlock(const cAlphaSurface& from, std::int32_t fromStripX, const cAlphaSurface& to,
                   std::int32_t toStripX);

// A cell's block kept aside, so that an operation that fails puts the cell back as it was.
class KeptCellBlock {
public:
    KeptCellBlock(const cAlphaSurface& strip, std::int32_t stripX);
    KeptCellBlock(const KeptCellBlock&) = delete;
    KeptCellBlock& operator=(const KeptCellBlock&) = delete;
    void restore(const cAlphaSurface& strip) const;

private:
    cAlphaSurface kept_;
    std::int32_t stripX_;
};
