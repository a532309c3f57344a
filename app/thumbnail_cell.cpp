#include "app/thumbnail_cell.h"

#include <algorithm>

std::int32_t halfRoundedToEven(std::int32_t n) {
    // Floor division, then the odd remainder's half goes to the even neighbour.
    const std::int64_t wide = n;
    const std::int64_t floor = wide >= 0 ? wide / 2 : -((-wide + 1) / 2);
    if (wide % 2 == 0)
        return static_cast<std::int32_t>(floor);
    return static_cast<std::int32_t>(floor % 2 == 0 ? floor : floor + 1);
}

namespace {

// The part of [start, start + length) inside [0, kStripCellSize), as offset into the frame, place
// in the cell and length.
struct Span {
    std::int32_t source = 0;
    std::int32_t target = 0;
    std::int32_t length = 0;
};

Span clipToCell(std::int64_t start, std::int64_t length) {
    const std::int64_t first = std::max<std::int64_t>(start, 0);
    const std::int64_t last = std::min<std::int64_t>(start + length, kStripCellSize);
    if (length <= 0 || last <= first)
        return {};
    return {static_cast<std::int32_t>(first - start), static_cast<std::int32_t>(first),
            static_cast<std::int32_t>(last - first)};
}

} // namespace

ThumbnailBlock thumbnailBlock(std::int32_t cellLeft, std::int32_t frameWidth,
                              std::int32_t frameHeight) {
    // 64-bit on the way: a hostile size must not overflow the centring.
    const auto centre = [](std::int32_t size) {
        return halfRoundedToEven(static_cast<std::int32_t>(
            std::clamp<std::int64_t>(std::int64_t{kStripCellSize} - size, INT32_MIN, INT32_MAX)));
    };
    const Span across = clipToCell(centre(frameWidth), frameWidth);
    const Span down = clipToCell(centre(frameHeight), frameHeight);
    if (across.length == 0 || down.length == 0)
        return {};
    return {cellLeft + across.target,
            down.target,
            across.length,
            down.length,
            across.source,
            down.source};
}
