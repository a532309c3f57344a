// The thumbnail strip of a pane: one 100 x 100 cell per vehicle, side by side, and where a
// vehicle's first frame goes in its cell.
#pragma once

#include <cstdint>

constexpr std::int32_t kStripCellSize = 100;
// 200 cells and one spare: the blank cell after the last vehicle.
constexpr std::int32_t kStripWidth = 20100;
constexpr std::int32_t kStripHeight = 100;

// n / 2 rounded to the nearest whole number, halves to the even one: 39 / 2 gives 20, 37 / 2
// gives 18, -1 / 2 gives 0.
std::int32_t halfRoundedToEven(std::int32_t n);

// The block of a frame blended into a cell: its place in the strip and the part of the frame that
// shows. Empty when width or height is 0.
struct ThumbnailBlock {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t sourceX = 0;
    std::int32_t sourceY = 0;
};

// A frame of frameWidth x frameHeight centred in the cell at cellLeft, half pixels rounded to
// even. A frame larger than the cell shows its middle, so it never paints over the cells of its
// neighbours; a frame without pixels gives an empty block.
ThumbnailBlock thumbnailBlock(std::int32_t cellLeft, std::int32_t frameWidth,
                              std::int32_t frameHeight);
