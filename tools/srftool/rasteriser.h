// A z-buffer triangle rasteriser for one supersampled frame. Each sample is either empty or
// holds the colour of the nearest face that covers its centre.
#pragma once

#include <cstdint>
#include <vector>

namespace srftool {

struct ScreenPoint {
    double x = 0;     // samples from the left edge
    double y = 0;     // samples from the top edge
    double depth = 0; // larger is farther from the viewer
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

class Rasteriser {
public:
    Rasteriser(int width, int height);

    // Fills the samples whose centres lie inside the triangle (either winding) and that are
    // nearer than what they hold.
    void drawTriangle(ScreenPoint a, ScreenPoint b, ScreenPoint c, Rgb colour);

    int width() const { return width_; }
    int height() const { return height_; }
    bool covered(int x, int y) const { return covered_[index(x, y)] != 0; }
    Rgb colour(int x, int y) const { return colour_[index(x, y)]; }

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<double> depth_;
    std::vector<Rgb> colour_;
    std::vector<std::uint8_t> covered_;
};

} // namespace srftool
