#include "platform/files/replacement_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>

namespace files {

ReplacementFile::ReplacementFile(const std::filesystem::path& target)
    : target_(target) {
    std::mt19937_64 names(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = target;
        temporary_.replace_filename("." + target.filename().string() + "." +
                                    std::to_string(names() % 1000000000u) + ".tmp");
        fd_ = ::open(temporary_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            return;
        if (errno != EEXIST)
            break;
    }
    fail(Failure::create, errno);
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

void ReplacementFile::fail(Failure step, int errorNumber) {
    failure_ = step;
    errorNumber_ = errorNumber;
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
        fd_ = -1;
    }
}

bool ReplacementFile::write(const void* data, std::size_t size) {
    if (failure_ != Failure::none)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            fail(Failure::write, written < 0 ? errno : EIO);
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::commit() {
    if (failure_ != Failure::none)
        return false;
    if (::fsync(fd_) != 0) {
        fail(Failure::write, errno);
        return false;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int closeError = errno;
        ::unlink(temporary_.c_str());
        failure_ = Failure::write;
        errorNumber_ = closeError;
        return false;
    }
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary_.c_str());
        failure_ = Failure::rename;
        errorNumber_ = renameError;
        return false;
    }
    return true;
}

} // namespace files
