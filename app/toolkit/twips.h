// The window's coordinate unit: positions and sizes of the form's controls are in twips, 15 to the
// pixel at 96 dots per inch, while widgets live on whole pixels.
#pragma once

namespace toolkit {

constexpr int kTwipsPerPixel = 15;

constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// The nearest whole pixel; a control at 4148 twips sits at pixel 277.
int twipsToPixels(int twips);

// A single-precision twips value stored into a twips property: the nearest whole twip, halves to
// the even one, as the language the form was written in converts a Single to a whole number.
int twipsFromSingle(float twips);

} // namespace toolkit
