#include "tools/srftool/output_files.h"

#include "format/srf_limits.h"
#include "platform/files/replacement_file.h"
#include "tools/srftool/png_codec.h"

#include <algorithm>
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

// What the system's words would leave unclear; a folder is "Is a directory".
Failure refusalOf(files::TargetKind kind) {
    switch (kind) {
    case files::TargetKind::blockDevice:
        return "it is a block device, not a file";
    case files::TargetKind::danglingLink:
        return "it is a link that leads nowhere";
    default:
        return {};
    }
}

} // namespace

Failure checkReadableFile(const std::string& path) {
    // Opened the way the loader opens a vehicle: a pipe without a writer must not stop the
    // tool, and only a regular file no larger than any vehicle is read at all.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int error = errno;
        return error == ENOENT ? "no such file" : systemReason(error);
    }
    struct stat status {};
    const bool described = ::fstat(fd, &status) == 0;
    const int error = errno;
    ::close(fd);
    if (!described)
        return systemReason(error);
    if (S_ISDIR(status.st_mode))
        return "it is a folder, not a file";
    if (!S_ISREG(status.st_mode))
        return "it is not a regular file";
    if (static_cast<std::uint64_t>(status.st_size) > srf::MaxVehicleFileBytes)
        return "it is larger than 64 MiB, which no vehicle is";
    return {};
}

std::optional<std::uint8_t> byteSumOf(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat status {};
    std::optional<std::uint8_t> sum;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::uint64_t>(status.st_size) <= srf::MaxVehicleFileBytes) {
        std::uint8_t total = 0;
        std::vector<std::uint8_t> piece(64 * 1024);
        auto left = static_cast<std::uint64_t>(status.st_size);
        while (left > 0) {
            const ssize_t got =
                ::read(fd, piece.data(), std::min<std::uint64_t>(piece.size(), left));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            for (ssize_t i = 0; i < got; ++i)
                total = static_cast<std::uint8_t>(total + piece[static_cast<std::size_t>(i)]);
            left -= static_cast<std::uint64_t>(got);
        }
        if (left == 0)
            sum = total;
    }
    ::close(fd);
    return sum;
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

std::string outputPath(const std::string& operand) {
    return operand == "-" ? "/dev/stdout" : operand;
}

Failure refusedOutput(const std::string& operand) {
    return refusalOf(files::resolveWriteTarget(outputPath(operand)).kind);
}

Failure savePng(const RgbaImage& image, const std::string& path) {
    std::vector<std::uint8_t> png;
    if (const Failure failure = encodePng(image, png))
        return failure;
    return saveBytes(png, path);
}

Failure saveBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    files::ReplacementFile file(outputPath(path), files::SpecialTarget::writeInPlace);
    if (file.write(bytes.data(), bytes.size()) && file.commit())
        return {};
    if (file.failure() == files::ReplacementFile::Failure::create)
        if (const Failure refusal = refusalOf(file.targetKind()))
            return refusal;
    return systemReason(file.errorNumber());
}

} // namespace srftool
