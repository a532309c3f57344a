// cAlphaSurface: the off-screen 32-bit image with per-pixel alpha through which every picture
// of the program passes. Pixels are blue, green, red, alpha in memory order, colours not
// multiplied by alpha, rows stored bottom-up (memory row 0 is the bottom line); drawing-context
// coordinates are top-down. The surface owns its memory context, its bitmap and its DrawDib
// instance; the handles and the pixel address it hands out are borrowed and stay valid until
// the next Create, ClearUp or Destroy.
//
// It also carries the type string and the frame sizes of the last SRF file it loaded; Create
// and ClearUp leave them alone.
#pragma once

#include "format/srf_pixel.h"
#include "format/srf_record.h"
#include "platform/gdi/gdi.h"
#include "surface/draw_dib.h"
#include "surface/surface_filter_errors.h"
#include "surface/surface_overflow_error.h"

#include <concepts>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace pixelfilters {
struct PixelRows;
}
namespace files {
class RegularFile;
}

// Anything holding a bitmap handle that a surface can be made from (the toolkit's pictures).
template <typename T>
concept PictureObject = requires(const T& picture) {
    { picture.Handle() } -> std::convertible_to<gdi::HBITMAP>;
};

class cAlphaSurface {
public:
    cAlphaSurface();
    ~cAlphaSurface(); // runs Destroy
    cAlphaSurface(const cAlphaSurface&) = delete;
    cAlphaSurface& operator=(const cAlphaSurface&) = delete;

    // Sizes of the last SRF file loaded: the 3D frames are square, Width3D = Height3D = the
    // strip's height, and likewise for the 2D image.
    std::int32_t Width3D() const { return width3D_; }
    std::int32_t Height3D() const { return height3D_; }
    std::int32_t Width2D() const { return width2D_; }
    std::int32_t Height2D() const { return height2D_; }
    void Width3D(std::int32_t value) { width3D_ = value; }
    void Height3D(std::int32_t value) { height3D_ = value; }
    void Width2D(std::int32_t value) { width2D_ = value; }
    void Height2D(std::int32_t value) { height2D_ = value; }

    // The 16 bytes of the last SRF file's type string as they stand (NUL bytes kept); empty
    // until the first load.
    const std::string& SRFType() const { return srfType_; }

    // True while a DrawDib instance is open; painting then goes through DrawDib.
    bool UseDrawDib() const { return drawDib_ != 0; }
    void UseDrawDib(bool on);

    // Fills the bitmap information for width x height and creates a 32-bit DIB section for
    // `dc`, storing its pixel address in this surface. `bitmap` receives the handle, 0 on
    // failure. Width, Height and BytesPerScanLine describe the request afterwards, even when it
    // fails. Throws SurfaceOverflowError when 4 x width or the image size leaves the signed
    // 32-bit range. A height of zero or below fails: the rows are always bottom-up.
    bool CreateDIB(gdi::HDC dc, std::int32_t width, std::int32_t height, gdi::HBITMAP& bitmap);

    // (Re)creates an empty surface, all bytes zero, releasing the previous image first (the
    // DrawDib switch stays as it was). False when the context or the bitmap cannot be had;
    // the surface is then empty. Throws SurfaceOverflowError as CreateDIB does, leaving the
    // surface empty and nothing leaked.
    bool Create(std::int32_t width, std::int32_t height);

    // Creates the surface at the bitmap's size and copies the bitmap into it; a 24-bit bitmap
    // arrives with alpha 0. Reports nothing: the surface stays empty when it cannot be created
    // (an invalid handle gives an empty 0 x 0 surface) and all zero when the copy cannot be
    // made. A bitmap selected into some other context cannot be read and leaves it all zero.
    // A bitmap too wide for a 32-bit surface raises SurfaceOverflowError as Create does.
    void CreateFromHBitmap(gdi::HBITMAP bitmap);

    // CreateFromHBitmap with the picture's bitmap handle; a null picture leaves an empty
    // surface.
    template <PictureObject Picture>
    void CreateFromPicture(const Picture& picture) {
        CreateFromHBitmap(picture.Handle());
    }
    template <PictureObject Picture>
    void CreateFromPicture(const Picture* picture) {
        CreateFromHBitmap(picture ? picture->Handle() : 0);
    }

    // Loads an SRF vehicle file: its 3D strip on top, its 2D image below, both from column 0,
    // the columns right of the narrower image filled opaque in the colour of the last pixel
    // decoded. 1 on success, 0 on failure; never throws. A failed read leaves the surface
    // exactly as it was; a failure while decoding leaves the new sizes and type string, the
    // pixels written before the failing one, and zeros from there on. A vehicle whose surface
    // would hold more than srf::kMaxVehicleSurfacePixels pixels fails like one whose size leaves
    // 32 bits: the new sizes and type string, Width and Height as asked for, and no image.
    std::int32_t CreateFromGarminSRF(const std::filesystem::path& path);
    // The same from a file the caller opened, and checked, and keeps open: read from its first
    // byte, and refused like a path unless it is a regular file of at most
    // srf::kMaxVehicleFileBytes.
    std::int32_t CreateFromGarminSRF(const files::RegularFile& file);
    // The same from a file's bytes in memory.
    std::int32_t CreateFromGarminSRFBytes(std::span<const std::uint8_t> bytes);

    // The size last requested from CreateDIB, even after ClearUp or a failed Create.
    std::int32_t Width() const { return info_.bmiHeader.biWidth; }
    std::int32_t Height() const { return info_.bmiHeader.biHeight; }
    // 4 x Width; 0 when that leaves the 32-bit range.
    std::int32_t BytesPerScanLine() const { return bytesPerScanLine_; }

    // In the copy and paint operations a negative width or height stands for the surface's own
    // Width or Height. Failures of the drawing layer are not reported.

    // Copies the rectangle at (sx, sy) of `source` to (0, 0) of this surface.
    void LoadPictureBlt(gdi::HDC source, std::int32_t sx, std::int32_t sy, std::int32_t width,
                        std::int32_t height, gdi::DWORD rop = gdi::SRCCOPY);
    // Copies the rectangle at (sx, sy) of this surface to (dx, dy) of `destination`.
    void PaintPicture(gdi::HDC destination, std::int32_t dx, std::int32_t dy, std::int32_t width,
                      std::int32_t height, std::int32_t sx, std::int32_t sy,
                      gdi::DWORD rop = gdi::SRCCOPY);
    // Blends the rectangle at (sx, sy) of this surface over (dx, dy) of `destination` with the
    // per-pixel alpha, source over, the source taken as premultiplied, everything scaled by
    // `constantAlpha`.
    void AlphaPaintPicture(gdi::HDC destination, std::int32_t dx, std::int32_t dy,
                           std::int32_t width, std::int32_t height, std::int32_t sx,
                           std::int32_t sy, std::uint8_t constantAlpha = 255);

    gdi::HDC hDC() const { return hDC_; }
    gdi::HBITMAP hDIB() const { return hDIB_; }
    std::uint8_t* DIBSectionBitsPtr() const { return bits_; }

    // The filters. Each works on the pixel memory as stored (rows bottom-up) and treats the four
    // bytes of a pixel alike, alpha included; every fraction is rounded to the nearest integer,
    // ties to even, and clamped to 0..255. Those that give a new surface create it first and
    // return none (nothing else done) when that fails; this surface is never changed by them.

    // This image scaled bilinearly to newWidth x newHeight, the vertical interpolation first,
    // each step rounded. To the same size it is one plain copy. Throws SurfaceSubscriptError
    // when the size differs and this surface is narrower or lower than 2 pixels.
    std::unique_ptr<cAlphaSurface> Resample(std::int32_t newHeight, std::int32_t newWidth) const;
    // Each pixel becomes (mean of its neighbours inside the image / neighbourDivisor + its own
    // value / centreDivisor) / 2. Nothing wraps round the edges. The mean is over the neighbours
    // summed (three in a corner, eight inside), so with both divisors 1 a uniform area keeps its
    // value; a pixel without neighbours (a 1 x 1 image) takes its own value as their mean.
    // Throws SurfaceDivisionByZeroError for a divisor of 0.
    std::unique_ptr<cAlphaSurface> Blur(float centreDivisor, float neighbourDivisor) const;
    // 2 x the pixel - its Blur(1, 1), clamped: edges overshoot on both sides.
    std::unique_ptr<cAlphaSurface> UnsharpMask() const;
    // Overwrites every pixel with random values from a generator seeded from the clock, colours
    // multiplied by the pixel's alpha as AlphaPaintPicture expects: grey pixels have equal
    // colour bytes (a random level times alpha), colour ones a random fraction of alpha each.
    void RandomiseBits(bool grey);

    // Writes the surface as a bitmap file: the 14-byte file header, the 44 bytes of bitmap
    // information and the pixel rows as stored. The bytes go to a temporary file in the target's
    // folder that replaces the target only once complete, so a failure leaves any earlier file
    // of that name as it was. False when a write fell short. Throws SurfaceFileError (number 17)
    // when the file cannot be created.
    bool SavePicture(const std::filesystem::path& fileName) const;

    // Releases the context, the bitmap and the DrawDib instance; safe on an empty surface.
    void ClearUp();
    void Destroy() { ClearUp(); }

    // The system's message text for a Win32 error code, exactly as the system gives it (ending
    // in CR LF), or an empty string when it has none.
    static std::string ApiErrorText(std::uint32_t code);

private:
    // How a new bitmap's memory starts: all zero, or as the allocator gives it, for a load or a
    // filter that writes every byte before anything reads it (zeroing would cost a whole pass).
    enum class NewPixels { Zeroed, ForOverwrite };
    bool createDibSection(gdi::HDC dc, std::int32_t width, std::int32_t height,
                          gdi::HBITMAP& bitmap, NewPixels pixels);
    bool createSurface(std::int32_t width, std::int32_t height, NewPixels pixels);
    // For a filter's result of this surface's size: overwritten whole when there are pixels
    // to filter, left zero when there are none.
    NewPixels resultPixels() const;
    // Zeros `count` lines from line `first` (counted from the top).
    void zeroLines(std::int32_t first, std::int32_t count);
    // In every copy and paint, a negative width or height stands for the surface's own.
    void wholeSurfaceForNegative(std::int32_t& width, std::int32_t& height) const;
    // The bitmap information and BytesPerScanLine for width x height, as CreateDIB describes
    // them; returns the image size. Throws SurfaceOverflowError as CreateDIB does.
    std::int32_t fillBitmapInfo(std::int32_t width, std::int32_t height);
    // The pixel memory as the filters read it.
    pixelfilters::PixelRows pixelRows() const;
    std::int32_t loadSrf(const srf::SrfReadResult& read);
    bool decodeSrfImage(const srf::SrfImage& image, std::int32_t firstLine,
                        srf::Rgb& currentColour);

    std::int32_t width3D_ = 0;
    std::int32_t height3D_ = 0;
    std::int32_t width2D_ = 0;
    std::int32_t height2D_ = 0;
    gdi::HBITMAP hDIB_ = 0;
    gdi::HGDIOBJ previousBitmap_ = 0;
    gdi::HDC hDC_ = 0;
    drawdib::HDRAWDIB drawDib_ = 0;
    std::uint8_t* bits_ = nullptr;
    std::string srfType_;
    gdi::BITMAPINFO info_{};
    std::int32_t bytesPerScanLine_ = 0;
};
