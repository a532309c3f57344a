// The watermark pictures that lie behind each pane's cards: the pane's name, large and faint.
#pragma once

#include <array>
#include <QImage>
#include <QRgb>
#include <QStringList>

namespace artwork {

inline constexpr int kWatermarkWidth = 236;
inline constexpr int kWatermarkHeight = 150;
inline constexpr QRgb kWatermarkLetterColour = qRgb(198, 198, 198);

struct WatermarkPicture {
    const char* fileName;
    const char* firstLine;
    const char* secondLine;
};

inline constexpr std::array<WatermarkPicture, 2> kWatermarkPictures = {{
    {"LocalFiles.gif", "Local", "Files"},
    {"GarminFiles.gif", "Garmin", "Files"},
}};

// The background is the system window colour, the colour of the card column behind the picture,
// so the picture's edges cannot be seen.
QRgb watermarkBackground();

// Both lines centred, one letter size for every watermark so the two panes match.
QImage drawWatermark(const WatermarkPicture& picture);

} // namespace artwork
