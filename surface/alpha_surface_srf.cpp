// Loading an SRF vehicle into a surface: the file is read completely first and the surface is
// touched only after that succeeded; then the 2D image is decoded before the 3D strip, writing
// straight into the pixel memory. That memory is not zeroed first: a load writes every byte,
// and one that fails zeros what it did not write.
#include "format/file_byte_source.h"
#include "format/srf_limits.h"
#include "format/srf_pixel_run.h"
#include "format/srf_reader.h"
#include "surface/alpha_surface.h"

#include <algorithm>
#include <cstring>
#include <new>

std::int32_t cAlphaSurface::CreateFromGarminSRF(const std::filesystem::path& path) {
    return loadSrf(srf::readSrfFile(path));
}

std::int32_t cAlphaSurface::CreateFromGarminSRF(const files::RegularFile& file) {
    srf::FileByteSource source(file);
    return loadSrf(source.isOpen() ? srf::readSrf(source) : srf::SrfReadResult{});
}

std::int32_t cAlphaSurface::CreateFromGarminSRFBytes(std::span<const std::uint8_t> bytes) {
    return loadSrf(srf::readSrfBytes(bytes));
}

std::int32_t cAlphaSurface::loadSrf(const srf::SrfReadResult& read) {
    if (!read.ok())
        return 0;
    const srf::SrfFile& file = read.file;
    srfType_.assign(file.type.begin(), file.type.end());
    width3D_ = height3D_ = file.image3d.height;
    width2D_ = height2D_ = file.image2d.height;

    const std::int32_t width = std::max(file.image3d.width, file.image2d.width);
    const std::int32_t height = std::int32_t{file.image3d.height} + file.image2d.height;
    // No error reaches the caller: a size beyond 32 bits, or memory the drawing layer cannot
    // have for its bookkeeping, is a failed load like any other.
    try {
        // A file of a few bytes may ask for 2 GiB; a surface larger than any real vehicle's is
        // refused before it is allocated, as one that cannot be made at that size.
        if (std::int64_t{width} * height > srf::kMaxVehicleSurfacePixels) {
            ClearUp();
            fillBitmapInfo(width, height);
            return 0;
        }
        // Every byte is written below, or zeroed when the decode fails.
        if (!createSurface(width, height, NewPixels::ForOverwrite))
            return 0;
    } catch (const SurfaceOverflowError&) {
        return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    // The colour of the last pixel decoded carries over from row to row and from the 2D image
    // to the 3D strip: it paints the fill columns.
    srf::Rgb currentColour;
    if (!decodeSrfImage(file.image2d, file.image3d.height, currentColour)) {
        zeroLines(0, file.image3d.height); // the strip that is not decoded
        return 0;
    }
    if (!decodeSrfImage(file.image3d, 0, currentColour))
        return 0;
    return 1;
}

bool cAlphaSurface::decodeSrfImage(const srf::SrfImage& image, std::int32_t firstLine,
                                   srf::Rgb& currentColour) {
    const std::int64_t width = image.width;
    const std::int64_t surfaceWidth = Width();
    // Pixels whose transparency byte and both colour bytes lie inside their blocks.
    const std::int64_t available =
        std::min<std::int64_t>(static_cast<std::int64_t>(image.transparency.size()),
                               static_cast<std::int64_t>(image.colour.size() / 2));
    for (std::int64_t row = 0; row < image.height; ++row) {
        const std::int64_t line = firstLine + row;
        std::uint8_t* out = bits_ + (Height() - 1 - line) * std::int64_t{BytesPerScanLine()};
        const std::int64_t start = row * width;
        const std::int64_t present = std::clamp<std::int64_t>(available - start, 0, width);
        std::size_t decoded = 0;
        if (present > 0)
            decoded = srf::decodePixelRun(image.colour.data() + 2 * start,
                                          image.transparency.data() + start,
                                          static_cast<std::size_t>(present), out);
        if (decoded > 0) {
            const std::uint8_t* last = out + 4 * (decoded - 1);
            currentColour = {last[2], last[1], last[0]};
        }
        if (static_cast<std::int64_t>(decoded) < width) {
            // From the failing pixel on, nothing of this image is decoded.
            std::memset(out + 4 * decoded, 0,
                        static_cast<std::size_t>(BytesPerScanLine()) - 4 * decoded);
            zeroLines(static_cast<std::int32_t>(line + 1),
                      static_cast<std::int32_t>(image.height - row - 1));
            return false;
        }
        srf::fillPixelRun(out + 4 * width, static_cast<std::size_t>(surfaceWidth - width),
                          currentColour.blue, currentColour.green, currentColour.red, 255);
    }
    return true;
}

void cAlphaSurface::zeroLines(std::int32_t first, std::int32_t count) {
    if (count <= 0)
        return;
    // Lines are counted from the top and the rows are stored bottom-up, so the lines from
    // `first` on down are the `count` memory rows that end with row Height() - 1 - first.
    const std::size_t stride = static_cast<std::size_t>(BytesPerScanLine());
    std::memset(bits_ + static_cast<std::size_t>(Height() - first - count) * stride, 0,
                static_cast<std::size_t>(count) * stride);
}
