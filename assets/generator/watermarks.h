// The watermark pictures that lie behind each pane's cards: the pane's name, large and faint.
#pragma once

#include "assets/generator/artwork_words.h"
#include "assets/generator/canvas.h"

#include <array>
#include <QImage>
#include <QRgb>

namespace artwork {

inline constexpr int kWatermarkWidth = 236;
inline constexpr int kWatermarkHeight = 150;
inline constexpr QRgb kWatermarkLetterColour = qRgb(198, 198, 198);

struct WatermarkPicture {
    const char* fileName;
    Word name; // the pane's name, its two lines parted by a line break
};

inline constexpr std::array<WatermarkPicture, 2> kWatermarkPictures = {{
    {"LocalFiles.gif", Word::LocalFiles},
    {"GarminFiles.gif", Word::GarminFiles},
}};

// The background is the system window colour, the colour of the card column behind the picture,
// so the picture's edges cannot be seen.
QRgb watermarkBackground();

// Both lines centred, one letter size for every watermark of a lettering so the two panes match.
QImage drawWatermark(const WatermarkPicture& picture,
                     const Lettering& lettering = Lettering::english(), int scale = singleScale);

} // namespace artwork
