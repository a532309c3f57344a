// SavePicture: the surface as a Windows bitmap file, its pixel rows exactly as stored.
#include "platform/files/replacement_file.h"
#include "platform/system/win32_error.h"
#include "surface/alpha_surface.h"

#include <array>
#include <cerrno> // program_invocation_short_name

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kBitmapInfoSize = 44;
constexpr std::uint32_t kPixelDataOffset = kFileHeaderSize + kBitmapInfoSize;

void putLittleEndian(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::array<std::uint8_t, kFileHeaderSize> fileHeader(std::uint32_t imageSize) {
    std::array<std::uint8_t, kFileHeaderSize> header{'B', 'M'};
    putLittleEndian(&header[2], imageSize + kPixelDataOffset, 4);
    // header[6..9]: the two reserved fields, 0
    putLittleEndian(&header[10], kPixelDataOffset, 4);
    return header;
}

std::array<std::uint8_t, kBitmapInfoSize> bitmapInfo(const gdi::BITMAPINFO& info) {
    const gdi::BITMAPINFOHEADER& h = info.bmiHeader;
    std::array<std::uint8_t, kBitmapInfoSize> out{};
    putLittleEndian(&out[0], h.biSize, 4);
    putLittleEndian(&out[4], static_cast<std::uint32_t>(h.biWidth), 4);
    putLittleEndian(&out[8], static_cast<std::uint32_t>(h.biHeight), 4);
    putLittleEndian(&out[12], h.biPlanes, 2);
    putLittleEndian(&out[14], h.biBitCount, 2);
    putLittleEndian(&out[16], h.biCompression, 4);
    putLittleEndian(&out[20], h.biSizeImage, 4);
    putLittleEndian(&out[24], static_cast<std::uint32_t>(h.biXPelsPerMeter), 4);
    putLittleEndian(&out[28], static_cast<std::uint32_t>(h.biYPelsPerMeter), 4);
    putLittleEndian(&out[32], h.biClrUsed, 4);
    putLittleEndian(&out[36], h.biClrImportant, 4);
    const gdi::RGBQUAD& colour = info.bmiColors[0];
    out[40] = colour.rgbBlue;
    out[41] = colour.rgbGreen;
    out[42] = colour.rgbRed;
    out[43] = colour.rgbReserved;
    return out;
}

// The name of the running program's file, as the source of the errors the surface raises.
std::string programName() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && !executable.filename().empty())
        return executable.filename().string();
    return program_invocation_short_name;
}

[[noreturn]] void raiseCannotCreate(int errnoValue) {
    const std::uint32_t code = winsys::win32ErrorFromErrno(errnoValue);
    throw SurfaceFileError(code, cAlphaSurface::ApiErrorText(code),
                           programName() + ".cAlphaSurface");
}

} // namespace

bool cAlphaSurface::SavePicture(const std::filesystem::path& fileName) const {
    // A pipe or a device named as the picture's file is written as it stands.
    files::ReplacementFile file(fileName, files::SpecialTarget::writeInPlace);
    if (file.failure() == files::ReplacementFile::Failure::create)
        raiseCannotCreate(file.errorNumber());
    const std::uint32_t imageSize = info_.bmiHeader.biSizeImage;
    const auto header = fileHeader(imageSize);
    const auto information = bitmapInfo(info_);
    // A surface released after its size was set has no pixels to write: that write fails, as a
    // write from a null buffer does.
    const bool written = file.write(header.data(), header.size()) &&
                         file.write(information.data(), information.size()) &&
                         (imageSize == 0 || (bits_ != nullptr && file.write(bits_, imageSize)));
    if (!written)
        return false;
    if (file.commit())
        return true;
    // The file could not take the target's name (a folder stands there, say): it cannot be
    // created, as far as the caller is concerned.
    if (file.failure() == files::ReplacementFile::Failure::rename)
        raiseCannotCreate(file.errorNumber());
    return false;
}
