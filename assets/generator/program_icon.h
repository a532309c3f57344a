// The program icon: a silver sports car above the caption "QRB" in blue.
#pragma once

#include <array>
#include <QImage>

namespace artwork {

// The sizes a Linux desktop asks a program for, in pixels.
inline constexpr std::array<int, 8> kProgramIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

inline constexpr char kProgramIconCaption[] = "QRB";

// A `size` x `size` picture with alpha, transparent around the drawing. Below 32 pixels the car
// is reduced to its silhouette and the caption takes most of the picture so it stays legible.
QImage drawProgramIcon(int size);

} // namespace artwork
