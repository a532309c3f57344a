#include "tools/srftool/surface_image.h"

namespace srftool {

bool surfaceHasPixels(const cAlphaSurface& surface) {
    return surface.DIBSectionBitsPtr() != nullptr && surface.Width() > 0 && surface.Height() > 0 &&
           surface.BytesPerScanLine() >= 4 * surface.Width();
}

RgbaImage surfaceRegionToImage(const cAlphaSurface& surface, int left, int top, int width,
                               int height) {
    if (!surfaceHasPixels(surface) || width <= 0 || height <= 0 || left < 0 || top < 0 ||
        width > surface.Width() - left || height > surface.Height() - top)
        return {};
    RgbaImage image(width, height);
    if (image.isNull())
        return {};
    const std::uint8_t* bits = surface.DIBSectionBitsPtr();
    const std::ptrdiff_t stride = surface.BytesPerScanLine();
    for (int y = 0; y < height; ++y) {
        // Memory rows run bottom-up: the top line is the last row.
        const std::ptrdiff_t row = surface.Height() - 1 - (top + y);
        const std::uint8_t* source = bits + row * stride + 4 * static_cast<std::ptrdiff_t>(left);
        std::uint8_t* target = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* bgra = source + 4 * x;
            std::uint8_t* rgba = target + 4 * x;
            rgba[0] = bgra[2];
            rgba[1] = bgra[1];
            rgba[2] = bgra[0];
            rgba[3] = bgra[3];
        }
    }
    return image;
}

int wholeStripFrames(const cAlphaSurface& surface) {
    const int frame = surface.Width3D();
    if (!surfaceHasPixels(surface) || frame <= 0 || surface.Height3D() <= 0 ||
        surface.Height3D() > surface.Height())
        return 0;
    return surface.Width() / frame;
}

} // namespace srftool
