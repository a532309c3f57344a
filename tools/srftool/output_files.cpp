#include "tools/srftool/output_files.h"

#include "platform/files/replacement_file.h"
#include "tools/srftool/png_codec.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace srftool {
namespace {

std::string systemReason(int error) {
    return std::strerror(error);
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
    files::ReplacementFile file(path);
    if (file.write(bytes.data(), bytes.size()) && file.commit())
        return {};
    return systemReason(file.errorNumber());
}

} // namespace srftool
