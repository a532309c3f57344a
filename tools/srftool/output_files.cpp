#include "tools/srftool/output_files.h"

#include "tools/srftool/png_codec.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace srftool {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// A new file beside `target` that no one else uses; -1 with errno set when there is none.
int createTemporaryBeside(const std::filesystem::path& target, std::string& temporary) {
    std::mt19937_64 names(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = target;
        candidate.replace_filename("." + target.filename().string() + "." +
                                   std::to_string(names() % 1000000000u) + ".tmp");
        temporary = candidate.string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

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

} // namespace

Failure checkReadableFile(const std::string& path) {
    // Without blocking: a named pipe in the file's place must not hang the tool.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return "no such file";
        if (errno == EISDIR)
            return "it is a folder, not a file";
        return systemReason(errno);
    }
    struct stat info {};
    Failure failure;
    if (::fstat(fd, &info) != 0)
        failure = systemReason(errno);
    else if (S_ISDIR(info.st_mode))
        failure = "it is a folder, not a file";
    else if (!S_ISREG(info.st_mode))
        failure = "not a regular file";
    ::close(fd);
    return failure;
}

Failure ensureFolder(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        if (!std::filesystem::is_directory(path, error))
            return "it exists and is not a folder";
        return {};
    }
    if (!std::filesystem::create_directories(path, error) && error)
        return "the folder cannot be created (" + error.message() + ")";
    return {};
}

Failure savePng(const RgbaImage& image, const std::string& path) {
    std::vector<std::uint8_t> png;
    if (const Failure failure = encodePng(image, png))
        return failure;
    return saveBytes(png, path);
}

Failure saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    std::string temporary;
    const int fd = createTemporaryBeside(path, temporary);
    if (fd < 0)
        return systemReason(errno);
    const bool written = writeAll(fd, bytes.data(), bytes.size());
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return systemReason(written ? EIO : writeError);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return systemReason(renameError);
    }
    return {};
}

} // namespace srftool
