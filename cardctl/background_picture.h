// The card's background picture, 310 x 113 pixels at 24 bits: a grey textured frame, a white
// placeholder with a blank page and a red prohibition sign where the thumbnail goes, and a black
// panel with a thin light edge behind the four text lines. Drawn once per process.
#pragma once

#include <QImage>

namespace tessel {

inline constexpr int kBackgroundWidth = 310;
inline constexpr int kBackgroundHeight = 113;

const QImage& backgroundPicture();

} // namespace tessel
