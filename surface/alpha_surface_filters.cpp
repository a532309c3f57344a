// The surface's pixel filters: Resample, Blur, UnsharpMask and RandomiseBits. They run over the
// pixel memory directly, four bytes to a pixel, rows as stored.
#include "surface/alpha_surface.h"
#include "surface/pixel_filters.h"

#include <chrono>
#include <cmath>
#include <random>

pixelfilters::PixelRows cAlphaSurface::pixelRows() const {
    return {bits_, static_cast<std::size_t>(bytesPerScanLine_), Width(), Height()};
}

cAlphaSurface::NewPixels cAlphaSurface::resultPixels() const {
    return bits_ != nullptr ? NewPixels::ForOverwrite : NewPixels::Zeroed;
}

std::unique_ptr<cAlphaSurface> cAlphaSurface::Resample(std::int32_t newHeight,
                                                       std::int32_t newWidth) const {
    const bool copy = newWidth == Width() && newHeight == Height();
    const bool interpolated = !copy && bits_ != nullptr && Width() >= 2 && Height() >= 2;
    auto result = std::make_unique<cAlphaSurface>();
    // The interpolation writes every byte; a copy from a released surface copies nothing.
    if (!result->createSurface(newWidth, newHeight,
                               interpolated ? NewPixels::ForOverwrite : NewPixels::Zeroed))
        return nullptr;
    if (copy) {
        result->LoadPictureBlt(hDC_, 0, 0, -1, -1, gdi::SRCCOPY);
        return result;
    }
    if (!interpolated)
        throw SurfaceSubscriptError(
            "Resample to another size needs a source of at least 2 x 2 pixels");
    pixelfilters::resample(pixelRows(), result->bits_, newWidth, newHeight);
    return result;
}

std::unique_ptr<cAlphaSurface> cAlphaSurface::Blur(float centreDivisor,
                                                   float neighbourDivisor) const {
    // The blur writes every byte; a surface released after its size was set has nothing to
    // blur, and the result stays zero.
    auto result = std::make_unique<cAlphaSurface>();
    if (!result->createSurface(Width(), Height(), resultPixels()))
        return nullptr;
    if (centreDivisor == 0.0f || neighbourDivisor == 0.0f)
        throw SurfaceDivisionByZeroError("Blur: division by zero");
    if (bits_ != nullptr)
        pixelfilters::blur(pixelRows(), result->bits_, centreDivisor, neighbourDivisor);
    return result;
}

std::unique_ptr<cAlphaSurface> cAlphaSurface::UnsharpMask() const {
    auto result = std::make_unique<cAlphaSurface>();
    if (!result->createSurface(Width(), Height(), resultPixels()))
        return nullptr;
    if (bits_ == nullptr)
        return result;
    pixelfilters::unsharpMask(pixelRows(), result->bits_);
    return result;
}

void cAlphaSurface::RandomiseBits(bool grey) {
    if (bits_ == nullptr)
        return;
    std::mt19937_64 generator(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    // 53 random bits as a fraction in [0, 1).
    const auto draw = [&generator] { return static_cast<double>(generator() >> 11) * 0x1.0p-53; };
    const auto byte = [](double value) { return static_cast<std::uint8_t>(std::nearbyint(value)); };
    const std::size_t size = static_cast<std::size_t>(bytesPerScanLine_) * Height();
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        std::uint8_t* pixel = bits_ + i;
        if (grey) {
            const double level = std::nearbyint(draw() * 255);
            const double alpha = std::nearbyint(draw() * 255);
            const std::uint8_t colour = byte(alpha * level / 255);
            pixel[0] = pixel[1] = pixel[2] = colour;
            pixel[3] = static_cast<std::uint8_t>(alpha);
        } else {
            const double alpha = std::nearbyint(draw() * 255);
            for (int c = 0; c < 3; ++c)
                pixel[c] = byte(draw() * 255 * alpha / 255);
            pixel[3] = static_cast<std::uint8_t>(alpha);
        }
    }
}
