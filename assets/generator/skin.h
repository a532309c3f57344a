// The window's background picture: horizontal bands across the whole width and, in the title
// band, a banner with the program's name.
#pragma once

#include "assets/generator/canvas.h"

#include <array>
#include <QImage>
#include <QRect>
#include <QRgb>

namespace artwork {

// One pixel wider than the window's client area; the last column is never seen.
inline constexpr int kSkinWidth = 782;
inline constexpr int kSkinHeight = 598;

struct SkinBand {
    int firstRow;
    int lastRow;
    QRgb colour;
};

// The controls of the window are placed on these bands, so their colours hold on every pixel
// outside the banner.
inline constexpr std::array<SkinBand, 4> kSkinBands = {{
    {0, 50, qRgb(128, 128, 128)}, // title band: minimise and close buttons, version label
    {51, 79, qRgb(0, 0, 0)},      // folder labels and folder buttons
    {80, 541, qRgb(82, 82, 82)},  // card columns and scroll bars
    {542, 597, qRgb(0, 0, 0)},    // pane titles and Refresh buttons
}};

// Everything the banner draws stays inside this rectangle: within the title band and left of
// the version label (x 394-440, y 27-43) and the title-band buttons (x 714-773, y 3-27).
inline constexpr QRect kSkinBannerArea{6, 0, 380, 51};

inline constexpr char kProgramTitle[] = "Motorhall";

QImage drawSkin(int scale = singleScale);

} // namespace artwork
