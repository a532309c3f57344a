// SavePicture: the surface as a Windows bitmap file, its pixel rows exactly as stored.
#include "platform/system/win32_error.h"
#include "surface/alpha_surface.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t bitmapInfoSize = 44;
constexpr std::uint32_t pixelDataOffset = fileHeaderSize + bitmapInfoSize;

void putLittleEndian(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::array<std::uint8_t, fileHeaderSize> fileHeader(std::uint32_t imageSize) {
    std::array<std::uint8_t, fileHeaderSize> header{'B', 'M'};
    putLittleEndian(&header[2], imageSize + pixelDataOffset, 4);
    // header[6..9]: the two reserved fields, 0
    putLittleEndian(&header[10], pixelDataOffset, 4);
    return header;
}

std::array<std::uint8_t, bitmapInfoSize> bitmapInfo(const gdi::BITMAPINFO& info) {
    const gdi::BITMAPINFOHEADER& h = info.bmiHeader;
    std::array<std::uint8_t, bitmapInfoSize> out{};
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

// Writes every byte or reports that it could not; a write cut short is carried on.
bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
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

// A new file beside `target` with a name nothing else uses, opened for reading and writing.
// Returns its descriptor, or -1 with errno set.
int createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::mt19937_64 names(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." +
                                   std::to_string(names() % 1000000000u) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

bool cAlphaSurface::SavePicture(const std::filesystem::path& fileName) const {
    std::filesystem::path temporary;
    const int fd = createTemporaryBeside(fileName, temporary);
    if (fd < 0)
        raiseCannotCreate(errno);
    const std::uint32_t imageSize = info_.bmiHeader.biSizeImage;
    const auto header = fileHeader(imageSize);
    const auto information = bitmapInfo(info_);
    // A surface released after its size was set has no pixels to write: that write fails, as a
    // write from a null buffer does.
    const bool written = writeAll(fd, header.data(), header.size()) &&
                         writeAll(fd, information.data(), information.size()) &&
                         (imageSize == 0 || (bits_ != nullptr && writeAll(fd, bits_, imageSize)));
    const bool complete = written && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), fileName.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        // The file could not take the target's name (a folder stands there, say): it cannot be
        // created, as far as the caller is concerned.
        raiseCannotCreate(renameError);
    }
    return true;
}
