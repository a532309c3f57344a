#include "tools/srftool/png_input.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace srftool {
namespace {

// Far beyond any picture of a vehicle; keeps a huge file from being read into memory whole.
constexpr off_t largestFile = 256 * 1024 * 1024;

Failure readRegularFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::string(errno == ENOENT ? "no such file" : std::strerror(errno));
    struct stat info {};
    Failure failure;
    if (::fstat(fd, &info) != 0)
        failure = std::strerror(errno);
    else if (!S_ISREG(info.st_mode))
        failure = "not a regular file";
    else if (info.st_size > largestFile)
        failure = "the file is too large for a picture";
    if (!failure) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                failure = std::strerror(errno);
                break;
            }
            if (got == 0)
                break; // the file shrank: take what it still holds
            filled += static_cast<std::size_t>(got);
        }
        bytes.resize(filled);
    }
    ::close(fd);
    return failure;
}

} // namespace

Failure readPng(const std::string& path, RgbaImage& image, const SizeCheck& check) {
    std::vector<std::uint8_t> bytes;
    if (const Failure failure = readRegularFile(path, bytes))
        return failure;
    return decodePng(bytes, image, check);
}

Failure readPngSize(const std::string& path, PictureSize& size) {
    std::vector<std::uint8_t> bytes;
    if (const Failure failure = readRegularFile(path, bytes))
        return failure;
    return readPngSize(bytes, size);
}

} // namespace srftool
