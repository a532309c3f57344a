#include "platform/files/replacement_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

constexpr char NameLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Names already taken are tried again with other letters; this many times is plenty for 62^6
// names.
constexpr int NameAttempts = 64;

std::string unusedName(std::mt19937_64& random) {
    std::string name = ".mh-";
    for (int i = 0; i < 6; ++i)
        name += NameLetters[random() % (sizeof NameLetters - 1)];
    return name;
}

} // namespace

ReplacementFile::ReplacementFile(const std::filesystem::path& target)
    : target_(target) {
    std::mt19937_64 random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        static_cast<std::uint64_t>(::getpid()));
    int error = EEXIST;
    for (int attempt = 0; attempt < NameAttempts && error == EEXIST; ++attempt) {
        temporary_ = target;
        temporary_.replace_filename(unusedName(random));
        fd_ =
            ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        error = fd_ < 0 ? errno : 0;
    }
    if (fd_ < 0) {
        fail(Failure::create, error);
        return;
    }
    struct stat old {};
    if (::lstat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(fd_, old.st_mode & 07777) != 0)
        fail(Failure::create, errno);
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

bool ReplacementFile::fail(Failure step, int errorNumber) {
    if (failure_ == Failure::none) {
        failure_ = step;
        errorNumber_ = errorNumber;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
        fd_ = -1;
    }
    return false;
}

bool ReplacementFile::write(const void* data, std::size_t size) {
    if (failure_ != Failure::none)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return fail(Failure::write, written < 0 ? errno : EIO);
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool ReplacementFile::setModificationTime(const timespec& when) {
    if (failure_ != Failure::none)
        return false;
    const timespec times[2] = {{0, UTIME_OMIT}, when};
    return ::futimens(fd_, times) == 0 || fail(Failure::write, errno);
}

bool ReplacementFile::commit() {
    if (failure_ != Failure::none)
        return false;
    if (::fsync(fd_) != 0)
        return fail(Failure::write, errno);
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
